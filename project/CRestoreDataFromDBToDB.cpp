#include "project/CRestoreDataFromDBToDB.h"

#include "climate/CScheduleData.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QHash>
#include <atomic>

namespace {

QString NextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("RestoreDataFromDBToDB_%1").arg(++counter);
}

// The source's columns that the destination also has, in the source's order.
QStringList CommonColumns(const CDbQuery& source, const CDbQuery& destination)
{
    QStringList columns;
    for (const QString& name : source.FieldNames())
        if (destination.HasField(name))
            columns << name;
    return columns;
}

// Destination record numbers by key, without regard to letter case; the first row wins.
QHash<QString, int> RowsByKey(CDbQuery& query, const QString& keyField)
{
    QHash<QString, int> rows;
    for (query.First(); !query.Eof(); query.Next()) {
        const QString key = query.AsString(keyField).toLower();
        if (!rows.contains(key))
            rows.insert(key, query.RecNo());
    }
    return rows;
}

// Puts the destination into edit mode on the row of the key, or appends one; true when located.
bool EditOrAppend(CDbQuery& destination, QHash<QString, int>& rows, const QString& key)
{
    const auto found = rows.constFind(key.toLower());
    if (found != rows.constEnd()) {
        destination.MoveTo(found.value());
        destination.Edit();
        return true;
    }
    destination.Append();
    return false;
}

void CopyColumns(const CDbQuery& source, CDbQuery& destination, const QStringList& columns,
                 const QStringList& skipped)
{
    for (const QString& column : columns)
        if (!skipped.contains(column))
            destination.SetFieldValue(column, source.FieldByName(column));
}

} // namespace

CRestoreDataFromDBToDB::CRestoreDataFromDBToDB() : CRestoreDataFromDBToDB(nullptr, nullptr, -1) {}

CRestoreDataFromDBToDB::CRestoreDataFromDBToDB(CDbQuery* source, CDbQuery* destination, int mode) : Mode(mode)
{
    if (OwnsSource()) {
        m_sourceConnection = std::make_unique<CDbConnection>(NextConnectionName());
        m_ownedSource = std::make_unique<CDbQuery>(*m_sourceConnection);
        m_source = m_ownedSource.get();
    } else {
        m_source = source;
    }
    if (OwnsDestination()) {
        m_destinationConnection = std::make_unique<CDbConnection>(NextConnectionName());
        m_ownedDestination = std::make_unique<CDbQuery>(*m_destinationConnection);
        m_destination = m_ownedDestination.get();
    } else {
        m_destination = destination;
    }
    if (!m_source || !m_destination)
        throw Exception(QStringLiteral("复制数据缺少查询对象"));
}

CRestoreDataFromDBToDB::~CRestoreDataFromDBToDB()
{
    // The queries go before the connections they run on.
    m_ownedSource.reset();
    m_ownedDestination.reset();
    if (m_sourceConnection)
        m_sourceConnection->Close();
    if (m_destinationConnection)
        m_destinationConnection->Close();
}

void CRestoreDataFromDBToDB::OpenConnections()
{
    if (OwnsSource())
        m_sourceConnection->Open(SourcePath);
    if (OwnsDestination())
        m_destinationConnection->Open(DestinationPath);
}

void CRestoreDataFromDBToDB::CopyTable()
{
    const CSQLStatement select(QStringLiteral("select * from [%1] ").arg(TableName));
    OpenConnections();
    OpenQueryGuarded(*m_source, select);
    OpenQueryGuarded(*m_destination, select);

    const QStringList columns = CommonColumns(*m_source, *m_destination);
    QHash<QString, int> rows = RowsByKey(*m_destination, KeyField);
    CProgressScope progress(m_source->RecordCount(), ProgressTitle);
    for (m_source->First(); !m_source->Eof(); m_source->Next()) {
        const QString key = m_source->AsString(KeyField);
        const bool located = EditOrAppend(*m_destination, rows, key);
        progress.Step(1);
        CopyColumns(*m_source, *m_destination, columns, located ? QStringList{KeyField} : QStringList{});
        m_destination->Post();
        if (!located)
            rows.insert(key.toLower(), m_destination->RecNo());
    }
}

QString CRestoreDataFromDBToDB::CopyRecord(const QString& keyField, const QString& value)
{
    QString result;
    OpenQueryGuarded(*m_destination, CSQLStatement(QStringLiteral("select * from [%1] ").arg(TableName)));

    bool isId = false;
    const int id = value.toInt(&isId);
    const CSQLStatement chosen =
        value != QStringLiteral("新风") && isId
            ? CSQLStatement(QStringLiteral("select * from [%1] where ID = ?").arg(TableName), {id})
            : CSQLStatement(QStringLiteral("select * from [%1] where [%2] = ?").arg(TableName, keyField),
                            {value});
    OpenQueryGuarded(*m_source, chosen);
    const bool fallBack = m_source->RecordCount() == 0;
    if (fallBack)
        OpenQueryGuarded(*m_source, CSQLStatement(QStringLiteral("select * from [%1] ").arg(TableName)));

    const QStringList columns = CommonColumns(*m_source, *m_destination);
    m_source->First();
    if (m_source->Eof())
        return result;
    const QString key = m_source->AsString(keyField);
    if (fallBack)
        result = key;

    QHash<QString, int> rows = RowsByKey(*m_destination, keyField);
    const bool located = EditOrAppend(*m_destination, rows, key);
    QStringList skipped{QStringLiteral("ID")};
    if (located)
        skipped << keyField;
    CopyColumns(*m_source, *m_destination, columns, skipped);
    m_destination->Post();
    return result;
}

void CRestoreDataFromDBToDB::CopySchedule(const QStringList& names)
{
    QStringList dayNames;
    CScheduleData source;
    CScheduleData destination;
    for (const QString& name : names) {
        CTool::Current().StepProgress(1);
        source.DataSet = m_source;
        destination.DataSet = m_destination;
        if (!source.LoadByName(name))
            continue;
        OpenQueryGuarded(*m_source, CSQLStatement(QStringLiteral("select * from WeekSchedule ")));
        source.LoadWeekSchedules();

        OpenQueryGuarded(
            *m_destination,
            CSQLStatement(QStringLiteral("select * from Schedule where Name = ? collate nocase"), {name}));
        if (m_destination->RecordCount() > 0) {
            m_destination->First();
            destination.LoadByName(QString());
            destination.Assign(source);
            destination.Save(QString());
        } else {
            source.DataSet = m_destination;
            if (!source.Insert())
                throw Exception(QStringLiteral("无法复制时间表“%1”").arg(name));
        }

        for (const auto& month : source.DayNames)
            for (const QString& day : month)
                if (!day.isEmpty() && !dayNames.contains(day))
                    dayNames << day;
    }

    TableName = QStringLiteral("DaySchedule");
    KeyField = QStringLiteral("DayScheduleName");
    for (const QString& day : dayNames)
        CopyRecord(KeyField, day);
}
