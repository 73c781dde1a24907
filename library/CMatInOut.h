#pragma once
#include "library/CLibRecord.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class CDbQuery;

// The content of one library exchange file: the library index, the five header texts, the column
// captions in file order and the records. Every text is stored as a masked string (length, key,
// bytes XOR the key's low byte) in GBK; integers are 32-bit little-endian.
//
// Reading treats the file as unsafe input: every length and count is checked against the bytes
// left, so a damaged, truncated or foreign file is refused as a whole ("文件格式不正确", or
// "无法处理库文件格式" for a newer version or an unknown library) and the object stays empty.
class CMatInOut
{
public:
    static constexpr int MaxLayers = 10;

    CMatInOut();

    void Init(const QString& sourceName, int libraryIndex, int recordCount);
    // Writes the rows of the open data set whose flag (0-based by row) is set, with the columns of
    // the library's column set found among its fields. The file is written beside and moved into
    // place; false when it cannot be written (the old file stays whole).
    bool WriteFile(const QString& path, CDbQuery& dataSet, const QByteArray& flags, const QString& tableName);
    // Clears, then reads the file. False when it cannot be opened (no message) or is refused.
    bool LoadFile(const QString& path);
    // Reads one file's bytes; false after showing why it was refused, the object then empty.
    bool ReadFile(const QByteArray& bytes);
    void Clear();

    int GetRecordCount() const { return static_cast<int>(m_records.size()); }
    // "City" for the weather library, "Name" otherwise, found through the column's caption; empty
    // when the file has no such column.
    QString GetRecordName(int position) const;
    // The kind code of the library index, -1 for none.
    int GetLibraryKind() const;
    int LibraryIndex() const { return m_libraryIndex; }
    const QStringList& Captions() const { return m_captions; }
    const QStringList& HeaderTexts() const { return m_headerTexts; }
    const CLibRecord& Record(int position) const { return m_records.at(position); }
    // The record's value under the caption; empty when the file has no such column.
    QString Value(int position, const QString& caption) const;
    bool HasCaption(const QString& caption) const { return m_captionMap.contains(caption); }

    // Merges the ticked named records (flags paired with the records of a list name, in file
    // order) into the table on the query's connection: weather by library name and city, uses by
    // name, constructions by name and category; an existing row is updated by its ID. All in one
    // transaction: a failure raises Exception and leaves the table as it was.
    void ImportRecords(CDbQuery& query, const QByteArray& flags, const QString& tableName);

    // The masking key of each text written: 1..999 at random unless a test sets its own source.
    std::function<int()> KeySource;

private:
    void AppendText(QByteArray& out, const QString& text);
    bool Refuse(const QString& message);

    void ImportWeather(CDbQuery& query, int record, const QString& table);
    void ImportUse(CDbQuery& query, int record, const QString& table);
    void ImportPlainConstruction(CDbQuery& query, int record, const QString& table);
    int ImportLayeredConstruction(CDbQuery& query, int record, const QString& table);
    void Merge(CDbQuery& query, int record, const QString& table, const QString& where,
               const QVariantList& whereValues, bool constructionCategory);

    QString m_sourceName;
    int m_recordCount = 0;
    int m_libraryIndex = -1;
    QHash<QString, int> m_captionMap;
    QStringList m_captions;
    std::vector<CLibRecord> m_records;
    QStringList m_headerTexts;
    QHash<QString, QString> m_columnTypes; // of the import's target table, by folded name
};
