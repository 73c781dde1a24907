#include "model/CProjectData.h"

#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <algorithm>

namespace {
template <size_t N> void ReadFlags(const QString& text, std::array<int, N>& flags)
{
    flags.fill(0);
    const int count = std::min<int>(text.size(), static_cast<int>(N));
    for (int i = 0; i < count; ++i)
        flags[i] = text[i] == QLatin1Char('1') ? 1 : 0;
}

template <size_t N> QString FlagText(const std::array<int, N>& flags)
{
    QString text;
    text.reserve(static_cast<int>(N));
    for (int flag : flags)
        text += flag != 0 ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

// Only the date counts; a value that holds no date reads as the no-date day.
QDate ReadDate(const QVariant& value)
{
    if (value.isNull())
        return CProjectData::NoDate();
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
        return value.toDate();
    const QDate date = QDate::fromString(value.toString().trimmed().left(10), QStringLiteral("yyyy-MM-dd"));
    return date.isValid() ? date : CProjectData::NoDate();
}

CDbQuery& Bound(CDbQuery* dataSet)
{
    if (!dataSet)
        throw Exception(QStringLiteral("工程参数没有数据集"));
    return *dataSet;
}
} // namespace

CProjectData::~CProjectData()
{
    if (s_current == this)
        s_current = nullptr;
}

CProjectData& CProjectData::Current()
{
    if (!s_current)
        throw Exception(QStringLiteral("程序对象CProjectData尚未创建"));
    return *s_current;
}

QString CProjectData::RunFileName(const QString& projectPath)
{
    // Only a dot in the file name itself starts the extension.
    const int slash =
        std::max(projectPath.lastIndexOf(QLatin1Char('/')), projectPath.lastIndexOf(QLatin1Char('\\')));
    const int dot = projectPath.lastIndexOf(QLatin1Char('.'));
    return (dot > slash ? projectPath.left(dot) : projectPath) + QStringLiteral(".run");
}

void CProjectData::LoadProjectData()
{
    CDbQuery& q = Bound(DataSet);
    if (CTool::OpenQuery(q, {QStringLiteral("select f_value from tbl_registry where f_key = 'maxtime'")}) > 0)
        s_maxTime = 24; // the value stored counts for nothing: the output tables use 24 hours per row

    if (CTool::OpenQuery(q, {QStringLiteral("select * from ProjectParameter ")}) != 0) {
        // After a failed select the data set has no fields, so the first read below raises.
        q.First();
        ProjectName = q.AsString(QStringLiteral("ProjectName"));
        ProjectNumber = q.AsString(QStringLiteral("ProjectNumber"));
        Owner = q.AsString(QStringLiteral("Owner"));
        Designer = q.AsString(QStringLiteral("Designer"));
        Checker = q.AsString(QStringLiteral("Checker"));
        Examiner = q.AsString(QStringLiteral("Examiner"));
        NodeFullPath = q.AsString(QStringLiteral("NodeFullPath"));
        DesignDate = ReadDate(q.FieldByName(QStringLiteral("DesignDate")));
        Unit = q.AsInt(QStringLiteral("Unit"));
        Coordinate = q.AsInt(QStringLiteral("Coordinate"));
        OutputTo = q.AsInt(QStringLiteral("OutputTo"));
        StatisticsType = q.AsInt(QStringLiteral("StatisticsType"));
        TimePeriodType = q.AsInt(QStringLiteral("TimePeriodType"));
        TimeBeginning = q.AsInt(QStringLiteral("TimeBeginning"));
        TimeEnd = q.AsInt(QStringLiteral("TimeEnd"));
        HourfromMaximumLoad = q.AsInt(QStringLiteral("HourfromMaximumLoad"));
        HourInterval = q.AsInt(QStringLiteral("HourInterval"));
        InRoomDesignParamType = q.AsInt(QStringLiteral("InRoomDesignParamType"));
        DesignType = q.AsInt(QStringLiteral("DesignType"));
        StatisticalStyle = q.AsInt(QStringLiteral("StatisticalStyle"));
        X = q.AsDouble(QStringLiteral("X"));
        Y = q.AsDouble(QStringLiteral("Y"));
        Z = q.AsDouble(QStringLiteral("Z"));
        X0 = q.AsDouble(QStringLiteral("X0"));
        Y0 = q.AsDouble(QStringLiteral("Y0"));
        Z0 = q.AsDouble(QStringLiteral("Z0"));

        // A project from before the annual statistics lacks the three columns; it gets the values
        // the schema upgrade gives them.
        const QString fromName = QStringLiteral("yeartotal_fromtime");
        const QString toName = QStringLiteral("yeartotal_totime");
        const QString outputName = QStringLiteral("yeartotal_output");
        if (q.HasField(fromName) && q.HasField(toName) && q.HasField(outputName)) {
            yeartotal_fromtime = q.AsInt(fromName);
            yeartotal_totime = q.AsInt(toName);
            yeartotal_output = q.AsInt(outputName);
        } else {
            yeartotal_fromtime = 7;
            yeartotal_totime = 16;
            yeartotal_output = 1;
        }

        ReadFlags(q.AsString(QStringLiteral("MonthCheck")), MonthCheck);
        ReadFlags(q.AsString(QStringLiteral("DayCheck")), DayCheck);
        ReadFlags(q.AsString(QStringLiteral("MonthCheck_Total")), MonthCheck_Total);
        ReadFlags(q.AsString(QStringLiteral("DayCheck_Total")), DayCheck_Total);

        if (s_host)
            s_host->ShowCoordinateMode(Coordinate != 0);
    }

    if (!s_host)
        return;
    s_host->ClearRunSchemes();
    const QString projectPath = s_host->ProjectFilePath();
    if (!projectPath.isEmpty()) {
        const QString runFile = RunFileName(projectPath);
        if (QFileInfo::exists(runFile))
            s_host->LoadRunSchemeFile(runFile);
    }
}

void CProjectData::SaveProjectData()
{
    CDbQuery& q = Bound(DataSet);
    // Values are bound, so quotes in the texts need no doubling and the coordinates keep their
    // full precision.
    CTool::ExecQuery(
        q, {QStringLiteral(
                "update  ProjectParameter set ProjectName=?,ProjectNumber=?,Owner=?,Designer=?  ,Checker=?,"
                "Examiner=?,DesignDate=?,Unit=?,Coordinate=?,OutputTo=?,StatisticsType=?,"
                "TimePeriodType=?  ,TimeBeginning=?,TimeEnd=?,StatisticalStyle=?,MonthCheck = ?,"
                "DayCheck = ?,MonthCheck_Total = ?,DayCheck_Total = ?,yeartotal_fromtime=?,"
                "yeartotal_totime=?,yeartotal_output=?,HourfromMaximumLoad=?,HourInterval=?,"
                "InRoomDesignParamType=?  ,NodeFullPath=?,DesignType=?,X=?,Y=?,Z=?,X0=?,Y0=?,Z0=?"),
            {ProjectName,
             ProjectNumber,
             Owner,
             Designer,
             Checker,
             Examiner,
             (DesignDate.isValid() ? DesignDate : NoDate()).toString(QStringLiteral("yyyy-MM-dd")),
             Unit,
             Coordinate,
             OutputTo,
             StatisticsType,
             TimePeriodType,
             TimeBeginning,
             TimeEnd,
             StatisticalStyle,
             FlagText(MonthCheck),
             FlagText(DayCheck),
             FlagText(MonthCheck_Total),
             FlagText(DayCheck_Total),
             yeartotal_fromtime,
             yeartotal_totime,
             yeartotal_output,
             HourfromMaximumLoad,
             HourInterval,
             InRoomDesignParamType,
             NodeFullPath,
             DesignType,
             X,
             Y,
             Z,
             X0,
             Y0,
             Z0}});

    if (!s_host)
        return;
    const QString projectPath = s_host->ProjectFilePath();
    if (projectPath.isEmpty())
        return;
    // The host replaces the file only once the new one is whole: deleting it first would lose the
    // schemes to a failed or interrupted write.
    s_host->SaveRunSchemeFile(RunFileName(projectPath));
}

void CProjectData::MigrateProjectDefaults(CDbQuery& query)
{
    static const char* const statements[] = {
        "update RoomOccupation set MaximumAirVelocity = 0.15 where MaximumAirVelocity = 0.25",
        "update RoomOccupation set SummerACTemperature = 26 where SummerACTemperature = 25",
        "update RoomOccupation set WinterACRH = 45 where WinterACRH = 50",
        "update RoomOccupation set RHVariation_Heating = 5 where RHVariation_Heating = 10",
        "update RoomOccupation set TemperatureVariation_Heating = 0.5 where TemperatureVariation_Heating = 1",
        "update RoomOccupation set Noise = 40 where Noise = 45",
        "update Room set MaximumAirVelocity = 0.15 where MaximumAirVelocity = 0.25",
        "update Room set SummerACTemperature = 26 where SummerACTemperature = 25",
        "update Room set WinterACRH = 45 ",
        "update Room set RHVariation_Heating = 5 ",
        "update Room set TemperatureVariation_Heating = 0.5 ",
        "update Room set Noise = 40",
        "update Lighting set SimultaneousUseCoefficient = 0.65",
        "update Building set BuildingHeight = 3",
        "update Room set NewWind_Temp_St = SummerACTemperature ",
        "update Room set NewWind_Temp_Wt = WinterACTemperature",
        "update Room set NewWind_Humidity_Sh = SummerACRH ",
        "update Room set NewWind_Humidity_Wh = WinterACRH",
    };
    // All or nothing: a new project is never left half corrected. When the caller already runs a
    // transaction on the connection, the statements join it.
    QSqlDatabase db = QSqlDatabase::database(query.ConnectionName(), false);
    const bool own = db.isValid() && db.isOpen() && db.transaction();
    try {
        for (const char* statement : statements)
            ExecQueryGuarded(query, {QString::fromLatin1(statement)});
    } catch (...) {
        if (own)
            db.rollback();
        throw;
    }
    if (own)
        db.commit();
}
