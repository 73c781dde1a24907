#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>

class CDbQuery;

// The values of one library record as texts keyed by column name (exactly as the data set names
// the column; keys compare case-sensitively and are walked in ascending order), with the bytes of
// the record's picture. Name, ID and catergory never travel in a bag: they belong to the record's
// tree node. An absent key reads as "0". Numbers travel as text with a point as decimal separator.
class CHvacData
{
public:
    QMap<QString, QString> Values;
    QByteArray Blob; // the picture column's bytes as stored; empty for none

    // set: stores the value under the key (replacing an existing one); otherwise gives the
    // key's text, or "0" for an absent key.
    void ExchangeValue(const QString& key, QString& value, bool set);

    // Whether the other bag holds the same values: the pictures byte for byte, and the text of
    // every key both bags hold. A key only one of them holds takes no part.
    bool IsEqual(const CHvacData& other) const;
    // This bag becomes a copy of the other: its picture and exactly its keys.
    CHvacData& Assign(const CHvacData& other);

    // Adds the columns of the data set's current row (other than Name, ID and catergory): the
    // picture column's bytes into Blob, every other value as text. Keys already held stay.
    void LoadFromQuery(const CDbQuery& dataSet);
    // Writes the bag into the data set's current record, which the caller has put into edit or
    // insert state and posts afterwards. Only the keys the bag holds are written, so columns a
    // record frame does not show keep their values; by the column's declared type an integer
    // column takes the text's leading integer and a real column its leading number (0 when there
    // is none), an auto-increment column is never written, the picture column takes Blob (null
    // when empty) and any other column the text itself. A value the column cannot take raises.
    void SaveToQuery(CDbQuery& dataSet) const;
};
