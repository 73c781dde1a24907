#include "upgrade/SchemaStatements.h"

#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

namespace SchemaStatements {
void AddColumn(CDbQuery& query, const QString& table, const QString& column, const QString& definition)
{
    ExecQueryGuarded(query, QStringLiteral("alter table %1 add column %2 %3").arg(table, column, definition));
}

void SetColumn(CDbQuery& query, const QString& table, const QString& column, const QVariant& value)
{
    ExecQueryGuarded(query, {QStringLiteral("update %1 set %2 = ?").arg(table, column), {value}});
}

void AddColumnSet(CDbQuery& query, const QString& table, const QString& column, const QString& definition,
                  const QVariant& value)
{
    AddColumn(query, table, column, definition);
    SetColumn(query, table, column, value);
}

QStringList TableColumns(CDbQuery& query, const QString& table)
{
    OpenQueryGuarded(query, {"select name from pragma_table_info(?)", {table}});
    QStringList columns;
    for (query.First(); !query.Eof(); query.Next())
        columns << query.Field(0).toString();
    return columns;
}

bool HasColumn(CDbQuery& query, const QString& table, const QString& column)
{
    return TableColumns(query, table).contains(column, Qt::CaseInsensitive);
}

bool HasTable(CDbQuery& query, const QString& table)
{
    OpenQueryGuarded(
        query,
        {"select count(*) from sqlite_master where type = 'table' and name = ? collate nocase", {table}});
    return query.Field(0).toInt() > 0;
}

void InsertOutputOption(CDbQuery& query, int id, const QString& name, int fatherId, const FlagPattern& flags)
{
    QVariantList values{id, name, fatherId};
    for (int flag : flags)
        values << flag;
    ExecQueryGuarded(
        query, {"insert into OutputOption (ID,OutputOptionName,FatherID,IsACLoadSimpleEstimation_Output,"
                "IsACLoadItemsEstimation_Output,IsACLoadIntelligentEstimation_Output,"
                "IsACLoadCalculation_Output,IsACLoadMonthlyCalculation_Output,"
                "IsACLoadDailyCalculation_Output,IsHeatingLoadCalculation_Output,"
                "IsHeatingLoadMonthlyCalculation_Output,IsHeatingLoadDailyCalculation_Output) "
                "values (?,?,?,?,?,?,?,?,?,?,?,?)",
                values});
}

void InsertOutputOptions(CDbQuery& query, int firstId, const QStringList& names, int fatherId,
                         const FlagPattern& flags)
{
    for (int i = 0; i < names.size(); ++i)
        InsertOutputOption(query, firstId + i, names[i], fatherId, flags);
}

void InsertDetailOutputOption(CDbQuery& query, int id, const QString& name, int fatherId)
{
    QVariantList values{id, name, 8, 6, fatherId};
    for (int flag : PatternA)
        values << flag;
    values << QString("");
    ExecQueryGuarded(query, {"insert into OutputOption (ID,OutputOptionName,FirstLine_Count,SecondLine_Count,"
                             "FatherID,IsACLoadSimpleEstimation_Output,IsACLoadItemsEstimation_Output,"
                             "IsACLoadIntelligentEstimation_Output,IsACLoadCalculation_Output,"
                             "IsACLoadMonthlyCalculation_Output,IsACLoadDailyCalculation_Output,"
                             "IsHeatingLoadCalculation_Output,IsHeatingLoadMonthlyCalculation_Output,"
                             "IsHeatingLoadDailyCalculation_Output,Comments) "
                             "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                             values});
}

void InsertRegistryRow(CDbQuery& query, const QString& key, const QString& value)
{
    ExecQueryGuarded(query, {"insert into tbl_registry (f_key,f_value) values(?,?)", {key, value}});
}

void InsertChoiceDefault(CDbQuery& query, int id, const QString& name, const QString& nameType,
                         const QString& remark, const QString& value)
{
    ExecQueryGuarded(query,
                     {"insert into Initialization (ID,I_Name,I_EditType,I_NameType,I_Remark,I_ValueType,"
                      "I_Value,I_MaxValue,I_MinValue,I_ValueList) values(?,?,1,?,?,0,?,'','',?)",
                      {id, name, nameType, remark, value, QStringLiteral("否|是")}});
}

void CopyDefault(CDbQuery& query, int sourceId, int id, const QString& name, const QString& remark,
                 const QVariant& value, const QVariant& valueList)
{
    ExecQueryGuarded(
        query, {"insert into Initialization (ID,I_Name,I_Remark,I_EditType,I_NameType,I_ValueType,I_Value,"
                "I_MaxValue,I_MinValue,I_ValueList) select ?,?,?,I_EditType,I_NameType,I_ValueType,"
                "coalesce(?,I_Value),I_MaxValue,I_MinValue,coalesce(?,I_ValueList) from Initialization "
                "where ID = ?",
                {id, name, remark, value.isNull() ? QVariant() : QVariant(value.toString()),
                 valueList.isNull() ? QVariant() : QVariant(valueList.toString()), sourceId}});
}

QHash<QString, QString> DefaultScheduleNames(CDbQuery& query)
{
    OpenQueryGuarded(query,
                     "select b.I_Name,a.Name from Schedule a,(select I_Name,cast(I_Value as integer) as iv "
                     "from Initialization where I_Name like 'ScheduleName_%') as b where a.ID = b.iv");
    QHash<QString, QString> names;
    for (query.First(); !query.Eof(); query.Next())
        names.insert(query.Field(0).toString(), query.Field(1).toString());
    return names;
}

QString DefaultScheduleName(const QHash<QString, QString>& names, const char* defaultName)
{
    return names.value(QString::fromUtf8(defaultName), QStringLiteral("0"));
}

void InsertFanAndChemistryOptions(CDbQuery& query)
{
    const QStringList names{
        QStringLiteral("夏季风机温升和风管温升冷负荷"), QStringLiteral("冬季风机温升和风管温升冷负荷"),
        QStringLiteral("夏季化学反应湿负荷"),           QStringLiteral("冬季化学反应湿负荷"),
        QStringLiteral("夏季化学反应全热负荷"),         QStringLiteral("冬季化学反应全热负荷"),
        QStringLiteral("夏季化学反应潜热负荷"),         QStringLiteral("冬季化学反应潜热负荷"),
        QStringLiteral("夏季围护结构湿负荷"),           QStringLiteral("冬季围护结构湿负荷"),
        QStringLiteral("夏季围护结构潜热负荷"),         QStringLiteral("冬季围护结构潜热负荷"),
        QStringLiteral("夏季水泵温升和水管温升冷负荷"), QStringLiteral("冬季水泵温升和水管温升冷负荷")};
    InsertOutputOptions(query, 617, names, 192, PatternA);
    InsertOutputOptions(query, 631, names, 310, PatternA);
}

void AddPumpAndChemistryScheduleDefaults(CDbQuery& query)
{
    CopyDefault(query, 20, 60, QStringLiteral("ScheduleName_Water"),
                QStringLiteral("大楼水泵/水管工作时间表"));
    CopyDefault(query, 20, 61, QStringLiteral("Chemistry_Time"), QStringLiteral("化学反应工作时间表"));
}

void InsertChemistryParameterOptions(CDbQuery& query)
{
    InsertOutputOption(query, 645, QStringLiteral("化学反应负荷"), 80, PatternA);
    InsertOutputOptions(query, 646,
                        {QStringLiteral("考虑不完全燃烧系数"), QStringLiteral("化学反应负荷系数"),
                         QStringLiteral("每小时燃烧最大消耗量"), QStringLiteral("燃料的热值"),
                         QStringLiteral("燃料单位散湿量"), QStringLiteral("化学反应开始时刻"),
                         QStringLiteral("化学反应结束时刻")},
                        645, PatternA);
}

void AddWindowFactorColumns(CDbQuery& query)
{
    const QStringList factors{"Inside_Sunshade", "Outside_Sunshade", "Glass_Revise"};
    const QString table = QStringLiteral("OutsideWindow_Lib");
    for (const QString& column : factors)
        AddColumn(query, table, column, QStringLiteral("REAL DEFAULT 1"));
    for (const QString& column : factors)
        SetColumn(query, table, column, 1);
}

void UpdateAreaTypeAndAddFollowPlanDefault(CDbQuery& query)
{
    ExecQueryGuarded(query, {"update Initialization set I_ValueList = ? where I_Name = 'AreaTypeForCalIndex'",
                             {QStringLiteral("空调/采暖面积|建筑面积")}});
    CopyDefault(query, 58, 63, QStringLiteral("IsLoad_FollowOperationPlan"),
                QStringLiteral("负荷计算与运行方案同步"), QStringLiteral("0"), QStringLiteral("否|是"));
}

void InsertWindowLoadOptions(CDbQuery& query)
{
    const QStringList names{QStringLiteral("外窗传热冷负荷"), QStringLiteral("外窗传热热负荷"),
                            QStringLiteral("外窗辐射冷负荷"), QStringLiteral("外窗辐射热负荷")};
    InsertOutputOptions(query, 655, names, 310, PatternA);
    InsertOutputOptions(query, 659, names, 192, PatternA);
}

void InsertFullYearPercentDefault(CDbQuery& query)
{
    ExecQueryGuarded(query,
                     {"insert into Initialization (ID,I_Name,I_EditType,I_NameType,I_Remark,I_ValueType,"
                      "I_Value,I_ValueList,I_MaxValue,I_MinValue) values(64,?,0,?,?,1,'0','','','')",
                      {QStringLiteral("ACLoadPlusFullYearPercent"), QStringLiteral("空调负荷计算"),
                       QStringLiteral("空调负荷逐日计算中不可预见因素附加百分比%")}});
}

void InsertSkyWindowAndGlassRoofOptions(CDbQuery& query)
{
    const QStringList sky{QStringLiteral("天窗传热冷负荷"), QStringLiteral("天窗传热热负荷"),
                          QStringLiteral("天窗辐射冷负荷"), QStringLiteral("天窗辐射热负荷")};
    const QStringList glassRoof{QStringLiteral("玻璃屋顶传热冷负荷"), QStringLiteral("玻璃屋顶传热热负荷"),
                                QStringLiteral("玻璃屋顶辐射冷负荷"), QStringLiteral("玻璃屋顶辐射热负荷")};
    InsertOutputOptions(query, 663, sky, 310, PatternA);
    InsertOutputOptions(query, 667, sky, 192, PatternA);
    InsertOutputOptions(query, 671, glassRoof, 310, PatternA);
    InsertOutputOptions(query, 675, glassRoof, 192, PatternA);
    InsertDetailOutputOption(query, 679, QStringLiteral("外窗冷负荷详细输出"), 310);
    InsertDetailOutputOption(query, 680, QStringLiteral("外窗热负荷详细输出"), 310);
}

void RefreshOutputsOfVersion50(CDbQuery& query)
{
    ExecQueryGuarded(query, {"update OutputOption set IsACLoadMonthlyCalculation_Output=-1,"
                             "IsACLoadDailyCalculation_Output=-1,IsHeatingLoadMonthlyCalculation_Output=-1,"
                             "IsHeatingLoadDailyCalculation_Output=-1 where OutputOptionName = ?",
                             {QStringLiteral("负荷逐时数据")}});
    ExecQueryGuarded(query, "delete from Initialization where I_Name = 'IsLoad_FollowOperationPlan'");
}

void AddRoomUseUnitColumns(CDbQuery& query)
{
    for (const char* column :
         {"ElecUnit", "ElecPowerUnit", "ElecHeatUnit", "NewWindUnit", "PeopleDensityUnit"})
        AddColumnSet(query, QStringLiteral("RoomOccupation"), QString::fromUtf8(column),
                     QStringLiteral("INTEGER DEFAULT 0"), 0);
    AddColumnSet(query, QStringLiteral("RoomOccupation"), QStringLiteral("SimultaneousUseCoefficient"),
                 QStringLiteral("REAL DEFAULT 0.65"), 0.65);
    AddColumnSet(query, QStringLiteral("RoomOccupation"), QStringLiteral("FoodPeopleDensity"),
                 QStringLiteral("REAL DEFAULT 0"), 0);
}

const QStringList& StandardScheduleNames()
{
    static const QStringList names{
        QStringLiteral("商场人员-公共建筑节能标准"), QStringLiteral("商场设备-公共建筑节能标准"),
        QStringLiteral("商场照明-公共建筑节能标准"), QStringLiteral("办公人员-公共建筑节能标准"),
        QStringLiteral("办公设备-公共建筑节能标准"), QStringLiteral("办公照明-公共建筑节能标准"),
        QStringLiteral("宾馆人员-公共建筑节能标准"), QStringLiteral("宾馆设备-公共建筑节能标准"),
        QStringLiteral("宾馆照明-公共建筑节能标准"),
    };
    return names;
}

QString StandardDayScheduleName(int index, int number)
{
    return QStringLiteral("%1_%2").arg(StandardScheduleNames().at(index)).arg(number);
}

void DeleteUnusedStandardDaySchedules(CDbQuery& query, int firstNumber, int lastNumber)
{
    static const QStringList days{
        "DaySchedule_DesignDay", "DaySchedule_WinterDesignDay", "DaySchedule_Monday", "DaySchedule_Tuesday",
        "DaySchedule_Wednesday", "DaySchedule_Thursday",        "DaySchedule_Friday", "DaySchedule_Saturday",
        "DaySchedule_Sunday",    "DaySchedule_Holiday"};
    QStringList used;
    for (const QString& day : days)
        used << QStringLiteral("w.%1 = DaySchedule.DayScheduleName").arg(day);
    const QString statement =
        QStringLiteral("delete from DaySchedule where DayScheduleName = ? and not exists "
                       "(select 1 from WeekSchedule w where %1)")
            .arg(used.join(QStringLiteral(" or ")));
    for (int index = 0; index < StandardScheduleNames().size(); ++index) {
        for (int number = firstNumber; number <= lastNumber; ++number)
            ExecQueryGuarded(query, {statement, {StandardDayScheduleName(index, number)}});
    }
}
} // namespace SchemaStatements
