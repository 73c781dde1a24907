#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>

class CDbQuery;

// Statement forms that the schema steps of the project and the system upgrade repeat. Every
// statement runs through the guarded query functions of CTool, so a failure carries the statement.
// Column definitions are SQLite's ("REAL DEFAULT 0", "TEXT COLLATE NOCASE"), written as the
// tables of the current version declare them.
namespace SchemaStatements {
// Column definitions the steps repeat.
inline constexpr const char* Real0 = "REAL DEFAULT 0";
inline constexpr const char* Int0 = "INTEGER DEFAULT 0";
inline constexpr const char* Int1 = "INTEGER DEFAULT 1";
inline constexpr const char* Text = "TEXT COLLATE NOCASE";

// The nine design-type flags of an output option, design types 0 to 8: -1 not offered, 0 offered
// unticked, 1 ticked.
using FlagPattern = std::array<int, 9>;
// Offered, unticked, for the detailed air-conditioning calculation only.
inline constexpr FlagPattern PatternA{-1, -1, -1, 0, -1, -1, -1, -1, -1};
// Offered, unticked, for the three heating-load design types.
inline constexpr FlagPattern PatternB{-1, -1, -1, -1, -1, -1, 0, 0, 0};

// "alter table <table> add column <column> <definition>"
void AddColumn(CDbQuery& query, const QString& table, const QString& column, const QString& definition);
// "update <table> set <column> = <value>" on every row.
void SetColumn(CDbQuery& query, const QString& table, const QString& column, const QVariant& value);
// The column added, then every row set to the value.
void AddColumnSet(CDbQuery& query, const QString& table, const QString& column, const QString& definition,
                  const QVariant& value);
bool HasColumn(CDbQuery& query, const QString& table, const QString& column);
bool HasTable(CDbQuery& query, const QString& table);
QStringList TableColumns(CDbQuery& query, const QString& table);

void InsertOutputOption(CDbQuery& query, int id, const QString& name, int fatherId, const FlagPattern& flags);
// Consecutive IDs from firstId, one per name, under one parent.
void InsertOutputOptions(CDbQuery& query, int firstId, const QStringList& names, int fatherId,
                         const FlagPattern& flags);
// The detailed-output options, with the line counts 8 and 6 and an empty comment.
void InsertDetailOutputOption(CDbQuery& query, int id, const QString& name, int fatherId);
// A new row of the project's registry.
void InsertRegistryRow(CDbQuery& query, const QString& key, const QString& value);
// A default value of the chosen kind ("否|是"), without bounds.
void InsertChoiceDefault(CDbQuery& query, int id, const QString& name, const QString& nameType,
                         const QString& remark, const QString& value);
// A copy of default value sourceId under a new ID, name and remark; a null value or value list
// keeps the source's. Nothing is inserted when there is no row sourceId.
void CopyDefault(CDbQuery& query, int sourceId, int id, const QString& name, const QString& remark,
                 const QVariant& value = QVariant(), const QVariant& valueList = QVariant());

// The schedule names of the default values, by default-value name ("ScheduleName_People" -> the
// name of the schedule whose ID that default holds).
QHash<QString, QString> DefaultScheduleNames(CDbQuery& query);
// One of them; "0" when the default names no schedule.
QString DefaultScheduleName(const QHash<QString, QString>& names, const char* defaultName);

// Changes that the project and the system upgrade share, each named after what it adds.
// Output options 617 to 644: fan, pump, chemical-reaction and envelope moisture loads.
void InsertFanAndChemistryOptions(CDbQuery& query);
// Default values 60 (ScheduleName_Water) and 61 (Chemistry_Time), copies of the people schedule's.
void AddPumpAndChemistryScheduleDefaults(CDbQuery& query);
// Output options 645 to 652: the chemical-reaction parameters.
void InsertChemistryParameterOptions(CDbQuery& query);
// The shading and glass factors of the outside-window library, 1 in every row.
void AddWindowFactorColumns(CDbQuery& query);
// The choices of AreaTypeForCalIndex and default value 63 (IsLoad_FollowOperationPlan).
void UpdateAreaTypeAndAddFollowPlanDefault(CDbQuery& query);
// The unit, coefficient and density columns of the room-use library, each set to its default.
void AddRoomUseUnitColumns(CDbQuery& query);
// Output options 655 to 662: window transmission and radiation loads.
void InsertWindowLoadOptions(CDbQuery& query);
// Default value 64 (ACLoadPlusFullYearPercent).
void InsertFullYearPercentDefault(CDbQuery& query);
// Output options 663 to 680: sky windows, glass roofs and the detailed window output.
void InsertSkyWindowAndGlassRoofOptions(CDbQuery& query);
// For a database stored at 50 or below: hourly data is not offered to the monthly and daily
// calculations, and default value IsLoad_FollowOperationPlan goes.
void RefreshOutputsOfVersion50(CDbQuery& query);

// The standard schedules, index 0 to 8, and the name of their day schedule <name>_<number>.
const QStringList& StandardScheduleNames();
QString StandardDayScheduleName(int index, int number);
// Deletes the standard day schedules numbered firstNumber to lastNumber that no week schedule
// names any more; those still in use stay, so that no schedule loses a day.
void DeleteUnusedStandardDaySchedules(CDbQuery& query, int firstNumber, int lastNumber);
} // namespace SchemaStatements
