#pragma once
#include <QList>
#include <QSet>
#include <QString>
#include <QVariantMap>

class CDbConnection;

// The statements of the editor library tree on one library: the construction table of a kind
// word ("<word>_Lib", records grouped by category) or, for a flat library, the use table named by
// the word itself. Every text is bound; rows are addressed by ID so that a name shared by rows of
// other categories is never touched. Failures raise Exception carrying the statement.
class CLibraryTable
{
public:
    CLibraryTable(const QString& kindWord, bool flatLibrary) : m_kindWord(kindWord), m_flat(flatLibrary) {}

    QString TableName() const;
    bool IsFlat() const { return m_flat; }

    // Whether the project uses the record: an element (or, for a use, a room or storey) refers to
    // it, or it is the default value of the kind.
    bool IsRecordInUse(const CDbConnection& project, int id) const;
    // IDs of the records of the category (of the whole table for a flat library).
    QList<int> CategoryIds(const CDbConnection& connection, const QString& category) const;
    // The ID of the record of that name (and category), 0 when none.
    int FindRecord(const CDbConnection& connection, const QString& name, const QString& category) const;

    // Deletes the rows of the IDs in one transaction.
    void DeleteRecords(const CDbConnection& connection, const QList<int>& ids) const;
    // Rows changed (0 or 1).
    int RenameRecord(const CDbConnection& connection, int id, const QString& newName) const;
    int RenameCategory(const CDbConnection& connection, const QString& oldCategory, const QString& newCategory) const;
    // Inserts an empty record; its ID.
    int AddRecord(const CDbConnection& connection, const QString& name, const QString& category) const;

    // Copies the source row into a new row of the target, every column both tables have but the
    // ID; the values of set are put in place of the copied ones. The new ID.
    int CloneRow(const CDbConnection& source, int sourceId, const CDbConnection& target, const QVariantMap& set) const;
    // Copies the source row over the target row, but the ID and the columns named in keep
    // (compared without regard to case).
    void OverwriteRow(const CDbConnection& source, int sourceId, const CDbConnection& target, int targetId,
                      const QSet<QString>& keep) const;

private:
    QVariantMap ReadRow(const CDbConnection& connection, int id) const;
    QStringList Columns(const CDbConnection& connection) const;

    QString m_kindWord;
    bool m_flat;
};
