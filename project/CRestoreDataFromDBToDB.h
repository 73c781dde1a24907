#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class CDbConnection;
class CDbQuery;

// Copies rows from one project or system database into another: a whole table merged by a key
// column, one record chosen by its ID, and named schedules with their week and day schedules.
// Each side is either owned (a connection of its own on the side's path) or borrowed (a query
// whose owner gave it its connection). Shows nothing of its own; a failing statement or post
// raises and leaves the rows posted before it in place.
class CRestoreDataFromDBToDB
{
public:
    // Ownership: -1 both sides owned, 1 the source, 0 the destination, any other value neither.
    CRestoreDataFromDBToDB();
    CRestoreDataFromDBToDB(CDbQuery* source, CDbQuery* destination, int mode);
    ~CRestoreDataFromDBToDB();
    CRestoreDataFromDBToDB(const CRestoreDataFromDBToDB&) = delete;
    CRestoreDataFromDBToDB& operator=(const CRestoreDataFromDBToDB&) = delete;

    // (Re)opens the owned connections on the current paths.
    void OpenConnections();
    // Merges every row of TableName into the destination: a row whose KeyField matches a
    // destination row's (without regard to letter case) updates it, keeping its key; any other
    // is appended. Only columns both tables have are written; nothing is deleted.
    void CopyTable();
    // Copies the row of TableName whose ID is value (whose key field is value, for "新风" and for
    // values that are not integers) into the destination row with the same key field, appended
    // when missing; "ID" is never written. When no such row exists the first row of the source
    // is copied instead and its key field is returned; otherwise the result is empty.
    QString CopyRecord(const QString& keyField, const QString& value);
    // Copies each named schedule with its type and day-schedule names (an existing one of that
    // name keeps its name and IDs), then every day schedule they name, each once, by name.
    // Leaves TableName "DaySchedule" and KeyField "DayScheduleName".
    void CopySchedule(const QStringList& names);

    int Mode = -1;
    QString SourcePath;
    QString DestinationPath;
    QString TableName;
    QString KeyField;
    QString ProgressTitle;

    CDbQuery& SourceQuery() { return *m_source; }
    CDbQuery& DestinationQuery() { return *m_destination; }

private:
    bool OwnsSource() const { return Mode == -1 || Mode == 1; }
    bool OwnsDestination() const { return Mode == -1 || Mode == 0; }

    std::unique_ptr<CDbConnection> m_sourceConnection;
    std::unique_ptr<CDbConnection> m_destinationConnection;
    std::unique_ptr<CDbQuery> m_ownedSource;
    std::unique_ptr<CDbQuery> m_ownedDestination;
    CDbQuery* m_source = nullptr;
    CDbQuery* m_destination = nullptr;
};
