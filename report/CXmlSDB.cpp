#include "report/CXmlSDB.h"

#include "model/CEleAttrs.h"
#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/CTool.h"
#include "platform/core/CXmlSafeText.h"
#include "platform/core/Exception.h"
#include "report/CXmlAttributeList.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSet>
#include <QXmlStreamWriter>

namespace {
// The default values written under "Initialization", in this order.
const char* const DefaultValueNames[] = {"ACLoadPlusPercent",
                                         "newwind_steadystate",
                                         "ACLoadPlusFullYearPercent",
                                         "IsCalculateAirInfiltration",
                                         "WinterHeatGainCoefficient",
                                         "IsWinterACLoadSteady",
                                         "ContainSunSolarWinter",
                                         "HeatingLoadPlusPercent",
                                         "IntermittentHeating_LoadRate",
                                         "HeatingLoadCoefficient_North",
                                         "HeatingLoadCoefficient_East",
                                         "HeatingLoadCoefficient_SouthEast",
                                         "HeatingLoadCoefficient_South",
                                         "HeatingLoadWindPlus",
                                         "DoorWindowWindInfiltration",
                                         "OutDoorWindowWindCoefficent",
                                         "DoorWindowHeatPressure",
                                         "DoorWindowWindPressure",
                                         "IsDWLSimplified",
                                         "IsDWLEstimation",
                                         "AreaTypeForCalIndex",
                                         "IsGetNetWallArea",
                                         "DesignerName"};

// The schema's Yes/No columns; every other integer column is a number. Stored as 1 or 0, and true
// exactly when 1, as the element classes read them.
const struct
{
    const char* table;
    const char* column;
} YesNoColumns[] = {{"InsideWall", "Winter_Heat_Transfer"}};

QSet<QString> MakeSkippedColumns()
{
    QSet<QString> names;
    for (const char* name : {"Myid",
                             "ID",
                             "BMP",
                             "Old_ID",
                             "X0",
                             "Y0",
                             "Z0",
                             "X",
                             "Y",
                             "Z",
                             "Status",
                             "IsOutputIndoorParameter",
                             "IsOutputLoadCalculationParameter",
                             "IsOutputLoadStatisticsData",
                             "IsOutputLoadHourlyData",
                             "seltype_area",
                             "figure_area",
                             "seltype_cubage",
                             "figure_cubage",
                             "figure_coff",
                             "TotalCoolIndex",
                             "TotalHeatIndex",
                             "EnclosureCoolIndex",
                             "EnclosureHeatIndex",
                             "PeopleCoolIndex",
                             "PeopleHeatIndex",
                             "OutsideAirCoolIndex",
                             "OutsideAirHeatIndex",
                             "OthersCoolIndex",
                             "PthersHeatIndex",
                             "catergory",
                             "bOutputHL",
                             "HIsOutputLoadStatisticsData",
                             "HIsOutputLoadHourlyData",
                             "Comfort",
                             "parent_id",
                             "material_id"})
        names.insert(QString::fromLatin1(name));
    for (int i = 0; i < 10; ++i)
        for (const char* pattern :
             {"wd_data0_%1", "wd_data1_%1", "outsidewindow_data0_%1", "outsidewindow_data1_%1"})
            names.insert(QString::fromLatin1(pattern).arg(i));
    for (int i = 0; i < 7; ++i)
        names.insert(QStringLiteral("outsidewall_data%1").arg(i));
    return names;
}

void OpenRows(CDbQuery& query, const CSQLStatement& statement)
{
    query.SetConnection(TDM_Project::Current().ProjectCon);
    OpenQueryGuarded(query, statement);
}

QString ValueText(const QVariant& value, bool yesNo)
{
    if (value.isNull())
        return QString();
    if (yesNo)
        return value.toInt() == 1 ? QStringLiteral("True") : QStringLiteral("False");
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return EleAttrRealText(value.toDouble());
    case QMetaType::QByteArray:
        return CGbkCodec::FromGbk(value.toByteArray());
    default:
        return value.toString();
    }
}

QString CannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("不能写入文件%1\n%2").arg(QDir::toNativeSeparators(path), reason);
}
} // namespace

CXmlSDB::CXmlSDB() = default;
CXmlSDB::~CXmlSDB() = default;

const QStringList& CXmlSDB::GlobalTables()
{
    static const QStringList tables{"ProjectParameter", "tbl_config", "tbl_registry",   "Initialization",
                                    "DaySchedule",      "Schedule",   "RoomOccupation", "StoreyOccupation"};
    return tables;
}

const QStringList& CXmlSDB::LibraryTables()
{
    static const QStringList tables{"BasementWall_Lib", "Ceiling_Lib",       "BlindStorey_Lib",
                                    "Floor_Lib",        "GapWall_Lib",       "GlassCurtainWall_Lib",
                                    "GlassRoof_Lib",    "Ground_Lib",        "InsideDoor_Lib",
                                    "InsideWall_Lib",   "InsideWindow_Lib",  "OutsideDoor_Lib",
                                    "OutsideWall_Lib",  "OutsideWindow_Lib", "ProjectionFloor_Lib",
                                    "Roof_Lib",         "SkyWindow_Lib"};
    return tables;
}

const QStringList& CXmlSDB::SystemTables()
{
    static const QStringList tables{"OutsideAirSystem", "PrimaryAirSystem"};
    return tables;
}

const QStringList& CXmlSDB::WeatherTables()
{
    static const QStringList tables{"TemperatureParameter", "WeatherParameter"};
    return tables;
}

QString CXmlSDB::DefaultTargetPath(const QString& projectFile)
{
    const QFileInfo info(projectFile);
    return QDir(info.path()).filePath(info.completeBaseName() + QStringLiteral(".vlzx"));
}

bool CXmlSDB::IsSkippedColumn(const QString& name)
{
    static const QSet<QString> skipped = MakeSkippedColumns();
    return skipped.contains(name);
}

bool CXmlSDB::IsYesNoColumn(const QString& table, const QString& column)
{
    for (const auto& entry : YesNoColumns)
        if (table.compare(QLatin1String(entry.table), Qt::CaseInsensitive) == 0 &&
            column.compare(QLatin1String(entry.column), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString CXmlSDB::FormatWeatherText(const QString& text)
{
    // A last line without a line feed is kept as it stands: dropping it would lose the last hour.
    QString result;
    result.reserve(text.size());
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        end = end < 0 ? text.size() : end + 1;
        QString line = text.mid(start, end - start);
        qsizetype blank = 0;
        for (int replaced = 0; replaced < 6 && (blank = line.indexOf(QLatin1Char(' '), blank)) >= 0;
             ++replaced)
            line[blank] = QLatin1Char(',');
        result += line;
        start = end;
    }
    return result;
}

QString CXmlSDB::ElementTagName(int type)
{
    return type == 0 ? QStringLiteral("PROJECT") : ElementTableName(type);
}

bool CXmlSDB::ExportProjectXml(const CNodeData& project, const QString& projectFile, const QString& target)
{
    const QString path = target == QLatin1String("0") ? DefaultTargetPath(projectFile) : target;
    // Written beside the target and moved over it once whole: a failure keeps the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Exception(CannotWrite(path, file.errorString()));
    file.write("<?xml version=\"1.0\"?>");
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    m_writer = &writer;
    const auto detach = qScopeGuard([this] { m_writer = nullptr; });

    StartElement(QStringLiteral("VLZXML"));
    ExportTables(QStringLiteral("global"), GlobalTables());
    ExportTables(QStringLiteral("lib"), LibraryTables());
    ExportTables(QStringLiteral("system"), SystemTables());
    StartElement(QStringLiteral("project"));
    writer.writeAttribute(
        QStringLiteral("BuildingCount"),
        QString::number(TDM_Project::Current().QueryInt(CSQLStatement("select count(*) from Building"))));
    ExportTree(project);
    EndElement();
    ExportTables(QStringLiteral("weather"), WeatherTables());
    EndElement();
    writer.writeEndDocument();
    if (writer.hasError() || !file.commit())
        throw Exception(CannotWrite(path, file.errorString()));
    return true;
}

void CXmlSDB::ExportTables(const QString& section, const QStringList& tables)
{
    StartElement(section);
    for (const QString& table : tables) {
        CDbQuery rows;
        OpenRows(rows, CSQLStatement(QStringLiteral("select * from %1").arg(table)));
        ExportTable(table, rows);
    }
    EndElement();
}

void CXmlSDB::ExportTable(const QString& table, CDbQuery& rows)
{
    if (table == QLatin1String("ProjectParameter"))
        ExportGlobalAttributes(rows);
    else if (table == QLatin1String("tbl_config"))
        ExportKeyedRows(table, rows, QStringLiteral("config"), QStringLiteral("paramkey"),
                        QStringLiteral("paramvalue"), {QStringLiteral("title"), QStringLiteral("remark")},
                        {QStringLiteral("paramname"), QStringLiteral("remark")});
    else if (table == QLatin1String("tbl_registry"))
        ExportKeyedRows(table, rows, QStringLiteral("registry"), QStringLiteral("f_key"),
                        QStringLiteral("f_value"), {}, {});
    else if (table == QLatin1String("Initialization"))
        ExportInitialization(rows);
    else if (table == QLatin1String("DaySchedule"))
        ExportSchedules(rows);
    else if (table == QLatin1String("Schedule"))
        return; // written inside "AllSchedule" with the day schedules
    else if (table == QLatin1String("OutsideAirSystem") || table == QLatin1String("PrimaryAirSystem"))
        ExportAirSystems(table, rows);
    else if (table == QLatin1String("TemperatureParameter"))
        ExportTemperatures(rows);
    else if (table == QLatin1String("WeatherParameter"))
        ExportWeatherParameter(rows);
    else
        ExportGenericRows(table, rows);
}

void CXmlSDB::ExportGlobalAttributes(CDbQuery& rows)
{
    if (rows.RecordCount() == 0)
        return;
    rows.First();
    CXmlAttributeList attributes;
    for (const char* column :
         {"ProjectName", "ProjectNumber", "Owner", "Designer", "Checker", "Examiner", "DesignDate"})
        attributes.Set(QLatin1String(column),
                       ColumnText(QStringLiteral("ProjectParameter"), rows, QLatin1String(column)));
    attributes.WriteTo(*m_writer);
}

void CXmlSDB::ExportKeyedRows(const QString& table, CDbQuery& rows, const QString& element,
                              const QString& key, const QString& text, const QStringList& attributes,
                              const QStringList& columns)
{
    if (rows.RecordCount() == 0)
        return;
    StartElement(element);
    for (rows.First(); !rows.Eof(); rows.Next()) {
        CXmlAttributeList values;
        for (qsizetype i = 0; i < attributes.size(); ++i)
            values.Set(attributes[i], ColumnText(table, rows, columns[i]));
        TextElement(ColumnText(table, rows, key), values, ColumnText(table, rows, text));
    }
    EndElement();
}

void CXmlSDB::ExportInitialization(CDbQuery& rows)
{
    if (rows.RecordCount() == 0)
        return;
    const QString table = QStringLiteral("Initialization");
    StartElement(table);
    for (const char* name : DefaultValueNames) {
        CDbQuery values;
        OpenRows(values,
                 CSQLStatement("select * from Initialization where I_Name = ?", {QString::fromLatin1(name)}));
        for (values.First(); !values.Eof(); values.Next()) {
            CXmlAttributeList attributes;
            attributes.Set(QStringLiteral("usage"), ColumnText(table, values, QStringLiteral("I_NameType")));
            attributes.Set(QStringLiteral("title"), ColumnText(table, values, QStringLiteral("I_Remark")));
            TextElement(QLatin1String(name), attributes,
                        ColumnText(table, values, QStringLiteral("I_Value")));
        }
    }
    EndElement();
}

void CXmlSDB::ExportSchedules(CDbQuery& days)
{
    // The day schedules, then the annual schedules with their week schedules by month.
    StartElement(QStringLiteral("AllSchedule"));
    for (days.First(); !days.Eof(); days.Next()) {
        CXmlAttributeList attributes;
        attributes.Set(QStringLiteral("name"),
                       ColumnText(QStringLiteral("DaySchedule"), days, QStringLiteral("DayScheduleName")));
        for (int hour = 0; hour < 24; ++hour)
            attributes.Set(
                QStringLiteral("hour%1").arg(hour),
                EleAttrRealText(days.FieldByName(QStringLiteral("Value_%1").arg(hour)).toDouble()));
        TextElement(QStringLiteral("DaySchedule"), attributes, QString());
    }
    CDbQuery schedules;
    OpenRows(schedules, CSQLStatement("select * from Schedule"));
    for (schedules.First(); !schedules.Eof(); schedules.Next()) {
        StartElement(QStringLiteral("Schedule"));
        m_writer->writeAttribute(QStringLiteral("Name"),
                                 CXmlSafeText::CleanValue(ColumnText(QStringLiteral("Schedule"), schedules,
                                                                     QStringLiteral("Name"))));
        for (int month = 1; month <= 12; ++month) {
            const int id = schedules.FieldByName(QStringLiteral("WeekSchedule_%1").arg(month)).toInt();
            CDbQuery weeks;
            OpenRows(weeks, CSQLStatement("select * from WeekSchedule where ID = ?", {id}));
            if (weeks.RecordCount() == 0)
                continue;
            CXmlAttributeList attributes;
            attributes.Set(QStringLiteral("month"), QString::number(month));
            for (weeks.First(); !weeks.Eof(); weeks.Next())
                AddRowAttributes(QStringLiteral("WeekSchedule"), weeks, attributes);
            TextElement(QStringLiteral("WeekSchedule"), attributes, QString());
        }
        EndElement();
    }
    EndElement();
}

void CXmlSDB::ExportGenericRows(const QString& table, CDbQuery& rows)
{
    if (rows.RecordCount() == 0)
        return;
    StartElement(table);
    for (rows.First(); !rows.Eof(); rows.Next()) {
        CXmlAttributeList attributes;
        AddRowAttributes(table, rows, attributes);
        TextElement(QStringLiteral("members"), attributes, QString());
    }
    EndElement();
}

void CXmlSDB::ExportAirSystems(const QString& table, CDbQuery& rows)
{
    const QString nameColumn = table + QStringLiteral("Name");
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const QVariant name = rows.FieldByName(nameColumn);
        StartElement(table);
        m_writer->writeAttribute(nameColumn, CXmlSafeText::CleanValue(ColumnText(table, rows, nameColumn)));
        CDbQuery rooms;
        OpenRows(rooms, CSQLStatement(
                            QStringLiteral("select Building.Name as Build_Name, Storey.Name as Storey_Name, "
                                           "Room.Name as Room_Name from Building, Storey, Room "
                                           "where Room.%1 = ? and Room.parent_id = Storey.ID and "
                                           "Storey.parent_id = Building.ID "
                                           "order by Building.ID, Storey.ID, Room.ID")
                                .arg(nameColumn),
                            {name}));
        for (rooms.First(); !rooms.Eof(); rooms.Next()) {
            CXmlAttributeList attributes;
            attributes.Set(QStringLiteral("path"), QStringLiteral("%1~%2~%3")
                                                       .arg(rooms.AsString(QStringLiteral("Build_Name")),
                                                            rooms.AsString(QStringLiteral("Storey_Name")),
                                                            rooms.AsString(QStringLiteral("Room_Name"))));
            TextElement(QStringLiteral("Room"), attributes, QString());
        }
        EndElement();
    }
}

void CXmlSDB::ExportTemperatures(CDbQuery& rows)
{
    if (rows.RecordCount() == 0)
        return;
    const QString table = QStringLiteral("TemperatureParameter");
    StartElement(table);
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const bool wet = rows.AsInt(QStringLiteral("DrybulbOrWetbulb")) != 0;
        QStringList hours;
        for (int hour = 0; hour < 24; ++hour)
            hours << ColumnText(table, rows, QStringLiteral("Temperature_%1").arg(hour));
        CXmlAttributeList attributes;
        attributes.Set(QStringLiteral("Month"), QString::number(rows.AsInt(QStringLiteral("Month")) + 1));
        attributes.Set(QStringLiteral("data"), hours.join(QLatin1Char(',')));
        TextElement(wet ? QStringLiteral("wb") : QStringLiteral("db"), attributes, QString());
    }
    EndElement();
}

void CXmlSDB::ExportWeatherParameter(CDbQuery& rows)
{
    // Every row's columns on the one element (a later row's value replacing an earlier one), and a
    // child of its hourly data per row.
    const QString table = QStringLiteral("WeatherParameter");
    const QString hourly = QStringLiteral("RIZARIR_WeatherData");
    CXmlAttributeList attributes;
    QStringList texts;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        for (int i = 0; i < rows.FieldCount(); ++i) {
            const QString& column = rows.FieldNames()[i];
            if (IsSkippedColumn(column))
                continue;
            if (column == hourly)
                texts << FormatWeatherText(FieldText(table, rows, i));
            else
                attributes.Set(column, FieldText(table, rows, i));
        }
    }
    StartElement(table);
    attributes.WriteTo(*m_writer);
    for (const QString& text : texts)
        TextElement(hourly, CXmlAttributeList(), text);
    EndElement();
}

void CXmlSDB::AddRowAttributes(const QString& table, const CDbQuery& row, CXmlAttributeList& attributes)
{
    for (int i = 0; i < row.FieldCount(); ++i)
        if (!IsSkippedColumn(row.FieldNames()[i]))
            attributes.Set(row.FieldNames()[i], FieldText(table, row, i));
}

QString CXmlSDB::FieldText(const QString& table, const CDbQuery& row, int index)
{
    return ValueText(row.Field(index), IsYesNoColumn(table, row.FieldNames()[index]));
}

QString CXmlSDB::ColumnText(const QString& table, const CDbQuery& row, const QString& column)
{
    const int index = row.FieldIndex(column);
    if (index < 0)
        throw Exception(QStringLiteral("数据表%1缺少字段%2").arg(table, column));
    return FieldText(table, row, index);
}

void CXmlSDB::StartElement(const QString& name)
{
    m_writer->writeStartElement(CXmlSafeText::EncodeName(name));
}

void CXmlSDB::EndElement()
{
    m_writer->writeEndElement();
}

void CXmlSDB::TextElement(const QString& name, const CXmlAttributeList& attributes, const QString& text)
{
    StartElement(name);
    attributes.WriteTo(*m_writer);
    if (!text.isEmpty())
        m_writer->writeCharacters(CXmlSafeText::CleanValue(text));
    EndElement();
}
