#include "upgrade/SystemSchemaSteps.h"

#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "upgrade/CStandardScheduleFile.h"
#include "upgrade/CSystemVersionControl.h"
#include "upgrade/SchemaStatements.h"

#include <QDir>
#include <QFileInfo>

using namespace SchemaStatements;

namespace {
// The weather library of the current standard and the older one whose hourly data and ground
// temperatures it takes over.
const QString NewerWeather = QStringLiteral("GB50736-2012");
const QString OlderWeather = QStringLiteral("GBJ19-87");

QString GroundTemperatureColumns(const QString& prefix)
{
    QStringList columns;
    for (int month = 1; month <= 12; ++month)
        columns << prefix + QStringLiteral("GroundTemperature_%1").arg(month);
    return columns.join(',');
}

const QStringList WeekDayColumns{
    "DaySchedule_DesignDay", "DaySchedule_WinterDesignDay", "DaySchedule_Monday", "DaySchedule_Tuesday",
    "DaySchedule_Wednesday", "DaySchedule_Thursday",        "DaySchedule_Friday", "DaySchedule_Saturday",
    "DaySchedule_Sunday",    "DaySchedule_Holiday"};

// A copy of the file's week schedule with a new ID; a week schedule the file lacks gives one whose
// days are empty.
int CopyWeekSchedule(CDbQuery& target, CDbQuery& source, const QVariant& weekId)
{
    OpenQueryGuarded(source, {"select * from WeekSchedule where ID = ?", {weekId}});
    QStringList marks;
    QVariantList values;
    for (const QString& column : WeekDayColumns) {
        marks << QStringLiteral("?");
        values << (source.Eof() ? QVariant(QString("")) : source.FieldByName(column));
    }
    ExecQueryGuarded(target, {QStringLiteral("insert into WeekSchedule (%1) values(%2)")
                                  .arg(WeekDayColumns.join(','), marks.join(',')),
                              values});
    OpenQueryGuarded(target, "select Max(ID) from WeekSchedule");
    return target.Field(0).toInt();
}

// Every schedule of the file that the database lacks by name, with copies of its week schedules.
void CopySchedules(CDbQuery& target, CStandardScheduleFile& file)
{
    CDbQuery& source = file.Query();
    OpenQueryGuarded(source, "select * from Schedule order by ID");
    QList<std::pair<QString, QVariantList>> schedules;
    for (source.First(); !source.Eof(); source.Next()) {
        QVariantList weeks;
        for (int month = 1; month <= 12; ++month)
            weeks << source.FieldByName(QStringLiteral("WeekSchedule_%1").arg(month));
        schedules.append({source.AsString(QStringLiteral("Name")), weeks});
    }
    CDbQuery weekSource(source.ConnectionName());
    for (const auto& [name, weeks] : schedules) {
        OpenQueryGuarded(target, {"select count(*) from Schedule where Name = ?", {name}});
        if (target.Field(0).toInt() > 0)
            continue;
        QStringList columns{"Name", "ScheduleType"};
        QVariantList values{name, 0};
        for (int month = 1; month <= 12; ++month) {
            columns << QStringLiteral("WeekSchedule_%1").arg(month);
            values << CopyWeekSchedule(target, weekSource, weeks[month - 1]);
        }
        ExecQueryGuarded(
            target, {QStringLiteral("insert into Schedule (%1) values(%2)")
                         .arg(columns.join(','), QStringList(columns.size(), QStringLiteral("?")).join(',')),
                     values});
    }
}

// The design type of the new-project template; raises when the template is missing.
void SetTemplateDesignType(const QString& path)
{
    CDbConnection connection(QStringLiteral("system_upgrade_template"));
    connection.Open(path);
    CDbQuery query(connection);
    ExecQueryGuarded(query, "update ProjectParameter set DesignType = 3");
}
} // namespace

namespace SystemSchemaSteps {
void Step45(CSystemVersionControl& context)
{
    CDbQuery& query = context.Query;
    InsertFanAndChemistryOptions(query);
    for (const char* column : {"Fan_Time", "Chemistry_Time", "Maintenance_Time"})
        AddColumn(query, "RoomOccupation", column, Text);
    for (const char* column : {"Fan_Time", "Chemistry_Time", "Maintenance_Time"})
        ExecQueryGuarded(query,
                         QStringLiteral("update RoomOccupation set %1 = PeopleScheduleName").arg(column));
    AddPumpAndChemistryScheduleDefaults(query);

    // A record of the newer weather library takes the hourly data of the first older record whose
    // province begins with its own, and the hourly-data name and ground temperatures of the first
    // older record whose city begins with the first two characters of its own.
    ExecQueryGuarded(query,
                     {"update WeatherData set RIZARIR_WeatherData = coalesce((select o.RIZARIR_WeatherData "
                      "from WeatherData o where o.Lib_name = ? and o.RIZARIR_WeatherData is not null and "
                      "WeatherData.Area <> '' and substr(o.Area, 1, length(WeatherData.Area)) = "
                      "WeatherData.Area order by o.ID limit 1), RIZARIR_WeatherData) where Lib_name = ?",
                      {OlderWeather, NewerWeather}});
    const QString cityMatch = QStringLiteral(
        "from WeatherData o where o.Lib_name = ? and WeatherData.City <> '' and "
        "substr(o.City, 1, length(substr(WeatherData.City, 1, 2))) = substr(WeatherData.City, 1, 2)");
    ExecQueryGuarded(
        query, {QStringLiteral("update WeatherData set (RIZARIR_WeatherName,%1) = (select "
                               "o.RIZARIR_WeatherName,%2 %3 order by o.ID limit 1) where Lib_name = ? "
                               "and exists (select 1 %3)")
                    .arg(GroundTemperatureColumns(QString()), GroundTemperatureColumns("o."), cityMatch),
                {OlderWeather, NewerWeather, OlderWeather}});
}

void Step46(CSystemVersionControl& context)
{
    CDbQuery& query = context.Query;
    // Every record of the newer library takes the ground temperatures of the first older record.
    ExecQueryGuarded(query,
                     {QStringLiteral("update WeatherData set (%1) = (select %2 from WeatherData o where "
                                     "o.Lib_name = ? order by o.ID limit 1) where Lib_name = ? and exists "
                                     "(select 1 from WeatherData o where o.Lib_name = ?)")
                          .arg(GroundTemperatureColumns(QString()), GroundTemperatureColumns("o.")),
                      {OlderWeather, NewerWeather, OlderWeather}});
    AddWindowFactorColumns(query);
    InsertChemistryParameterOptions(query);
    ExecQueryGuarded(
        context.SysParamQuery,
        {"update ElementBasePerformance set Remark = ? where Name = 'Food'", {QStringLiteral("食物及其它")}});
}

void Step47(CSystemVersionControl& context)
{
    CDbQuery& query = context.Query;
    InsertOutputOption(query, 653, QStringLiteral("户内采暖设备容量"), 192, PatternB);
    CopyDefault(query, 40, 62, QStringLiteral("IntermittentHeating_LoadRate"),
                QStringLiteral("间歇供暖附加负荷率%"), QStringLiteral("20"));
    // Room-use values still at the old defaults take the new ones.
    const QList<std::tuple<const char*, double, double>> corrections{{"MaximumAirVelocity", 0.15, 0.25},
                                                                     {"SummerACTemperature", 26, 25},
                                                                     {"WinterACRH", 45, 50},
                                                                     {"RHVariation", 5, 10},
                                                                     {"TemperatureVariation", 0.5, 1},
                                                                     {"Noise", 40, 45}};
    for (const auto& [column, value, old] : corrections)
        ExecQueryGuarded(query, {QStringLiteral("update RoomOccupation set %1 = ? where %1 = ?").arg(column),
                                 {value, old}});
    ExecQueryGuarded(query, "update Initialization set I_Value = 1 where I_Name = 'AreaTypeForCalIndex'");

    const QString templatePath =
        QDir::toNativeSeparators(CProgramFolder::Resolve(QStringLiteral("Project\\ProjectModule.dat")));
    if (!QFileInfo(templatePath).isFile())
        throw Exception(CStandardScheduleFile::MissingFileMessage(templatePath));
    CStandardScheduleFile file;
    SetTemplateDesignType(templatePath);

    for (int index = 0; index < StandardScheduleNames().size(); ++index) {
        for (int number = 0; number <= 7; ++number)
            file.CopyMissingDaySchedule(query, StandardDayScheduleName(index, number));
    }
    CopySchedules(query, file);

    // The standard room uses take the standard schedules of their building type.
    const QList<std::pair<const char*, int>> uses{{"百货商场", 0}, {"办公室", 3}, {"旅馆客房", 6}};
    for (const auto& [use, first] : uses) {
        const QStringList& names = StandardScheduleNames();
        const QList<std::pair<const char*, QString>> cells{
            {"PeopleScheduleName", names[first]},
            {"ElectricEquipmentScheduleName", names[first + 1]},
            {"LightScheduleName", names[first + 2]},
            {"HeatingEquipmentScheduleName", names[first]},
            {"ElectronicEquipmentScheduleName", names[first]},
            {"NewWindScheduleName", names[first]}};
        for (const auto& [column, schedule] : cells)
            ExecQueryGuarded(query,
                             {QStringLiteral("update RoomOccupation set %1 = ? where Name = ?").arg(column),
                              {schedule, QString::fromUtf8(use)}});
    }
}

void Step48(CSystemVersionControl& context)
{
    UpdateAreaTypeAndAddFollowPlanDefault(context.Query);
}

void Step49(CSystemVersionControl& context)
{
    InsertWindowLoadOptions(context.Query);
}

void Step52(CSystemVersionControl& context)
{
    CDbQuery& query = context.Query;
    AddRoomUseUnitColumns(query);
    // The four ground zones, made like the first ground record; a zone the library has is kept.
    const QList<std::pair<const char*, double>> zones{
        {"第一地带", 0.47}, {"第二地带", 0.23}, {"第三地带", 0.12}, {"第四地带", 0.07}};
    for (const auto& [zone, k] : zones) {
        const QString name = QString::fromUtf8(zone);
        ExecQueryGuarded(query,
                         {"insert into Ground_Lib (Name,BMP,InsulationMaterials,Deta,K_S,K_W,GroundType,"
                          "catergory) select ?,BMP,InsulationMaterials,Deta,?,?,0,catergory from Ground_Lib "
                          "where ID = 1 and not exists (select 1 from Ground_Lib where Name = ?)",
                          {name, k, k, name}});
    }
}

void Step53(CSystemVersionControl& context)
{
    CDbQuery& query = context.Query;
    ExecQueryGuarded(query, {"update WeatherData set City = ? where City = ? and Lib_name = ?",
                             {QStringLiteral("长沙"), QStringLiteral("马坡岭"), NewerWeather}});
    ExecQueryGuarded(
        query, {"update WeatherData set RIZARIR_WeatherData = null where Lib_name = ? and City <> ? and "
                "City not in (select City from WeatherData where Lib_name = ? and "
                "RIZARIR_WeatherData is not null and City is not null)",
                {NewerWeather, QStringLiteral("上海徐家汇"), OlderWeather}});
}

void Step54(CSystemVersionControl& context)
{
    InsertFullYearPercentDefault(context.Query);
}

void Step55(CSystemVersionControl& context)
{
    const QList<std::pair<const char*, int>> uses{{"办公室", 11}, {"百货商场", 12}, {"旅馆客房", 15}};
    for (const auto& [use, power] : uses)
        ExecQueryGuarded(context.Query, {"update RoomOccupation set LightingPower = ? where Name = ?",
                                         {power, QString::fromUtf8(use)}});
}

void Step56(CSystemVersionControl& context)
{
    InsertSkyWindowAndGlassRoofOptions(context.Query);
}
} // namespace SystemSchemaSteps

void RefreshSystemDatabase(CSystemVersionControl& context)
{
    CDbQuery& query = context.Query;
    if (context.StoredVersion <= 49)
        DeleteUnusedStandardDaySchedules(query, 1, 7);
    if (context.StoredVersion <= 50)
        RefreshOutputsOfVersion50(query);
    QStringList offices;
    for (int index = 3; index <= 5; ++index)
        offices << StandardDayScheduleName(index, 1);
    OpenQueryGuarded(query, {"select count(DayScheduleName) from DaySchedule where DayScheduleName = ? or "
                             "DayScheduleName = ? or DayScheduleName = ?",
                             {offices[0], offices[1], offices[2]}});
    if (query.Field(0).toInt() != 0)
        return;
    CStandardScheduleFile file;
    for (const QString& name : offices)
        file.CopyDaySchedule(query, name);
}
