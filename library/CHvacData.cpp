#include "library/CHvacData.h"

#include "platform/core/CDbQuery.h"

#include <QHash>
#include <charconv>
#include <limits>

namespace {
enum class ColumnType
{
    Integer,
    Real,
    AutoIncrement,
    Blob,
    Text
};

bool IsRecordKey(const QString& field)
{
    for (const char* key : {"Name", "ID", "catergory"})
        if (field.compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// SQLite's rules for the affinity of a declared column type, so that a column reads as the kind
// of value the database keeps in it.
ColumnType TypeOfDeclared(const QString& declared, bool primaryKey)
{
    const QString type = declared.toUpper();
    if (primaryKey && type == QLatin1String("INTEGER"))
        return ColumnType::AutoIncrement; // the row id
    if (type.contains(QLatin1String("INT")))
        return ColumnType::Integer;
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB")) ||
        type.contains(QLatin1String("TEXT")))
        return ColumnType::Text;
    if (type.contains(QLatin1String("BLOB")))
        return ColumnType::Blob;
    return ColumnType::Real;
}

// A column the table does not declare (an expression of the select) goes by its value.
ColumnType TypeOfValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QByteArray:
        return ColumnType::Blob;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return ColumnType::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return ColumnType::Real;
    default:
        return ColumnType::Text;
    }
}

// Declared types of the data set's table by column name (lower case).
QHash<QString, ColumnType> DeclaredTypes(const CDbQuery& dataSet)
{
    QHash<QString, ColumnType> types;
    const QString table = dataSet.UpdateTable();
    if (table.isEmpty())
        return types;
    CDbQuery info(dataSet.ConnectionName());
    info.SetSQL({QStringLiteral("select name, type, pk from pragma_table_info(?)"), {table}});
    info.Open();
    for (info.First(); !info.Eof(); info.Next()) {
        const QString declared = info.Field(1).toString();
        if (!declared.isEmpty()) // an untyped column goes by its value
            types.insert(info.Field(0).toString().toLower(),
                         TypeOfDeclared(declared, info.Field(2).toInt() != 0));
    }
    return types;
}

ColumnType TypeOf(const QHash<QString, ColumnType>& declared, const CDbQuery& dataSet, const QString& field)
{
    const auto it = declared.constFind(field.toLower());
    return it != declared.constEnd() ? *it : TypeOfValue(dataSet.FieldByName(field));
}

// The leading integer of the text, as the C library reads one (blanks, a sign, digits); 0 for
// none. Values beyond the 64-bit range stop at its limits.
qlonglong LeadingInteger(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    qlonglong value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int digit = text[i].unicode() - u'0';
        if (value > (std::numeric_limits<qlonglong>::max() - digit) / 10)
            return negative ? std::numeric_limits<qlonglong>::min() : std::numeric_limits<qlonglong>::max();
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

// The leading number of the text with a point as decimal separator, whatever the locale; 0 for none.
double LeadingReal(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (first != last && *first == '+')
        ++first;
    double value = 0;
    if (std::from_chars(first, last, value).ec != std::errc())
        return 0;
    return value;
}
} // namespace

void CHvacData::ExchangeValue(const QString& key, QString& value, bool set)
{
    if (set)
        Values.insert(key, value);
    else
        value = Values.value(key, QStringLiteral("0"));
}

bool CHvacData::IsEqual(const CHvacData& other) const
{
    // The bytes count, not only the size: a picture replaced by another of the same size is a change.
    if (Blob != other.Blob)
        return false;
    for (auto it = other.Values.cbegin(); it != other.Values.cend(); ++it) {
        const auto mine = Values.constFind(it.key());
        if (mine != Values.cend() && *mine != it.value())
            return false;
    }
    return true;
}

CHvacData& CHvacData::Assign(const CHvacData& other)
{
    if (this != &other) {
        Blob = other.Blob;
        Values = other.Values;
    }
    return *this;
}

void CHvacData::LoadFromQuery(const CDbQuery& dataSet)
{
    const QHash<QString, ColumnType> declared = DeclaredTypes(dataSet);
    for (int i = 0; i < dataSet.FieldCount(); ++i) {
        const QString field = dataSet.FieldNames().at(i);
        if (IsRecordKey(field))
            continue;
        const QVariant value = dataSet.Field(i);
        if (TypeOf(declared, dataSet, field) == ColumnType::Blob)
            Blob = value.toByteArray();
        else
            Values.insert(field, value.toString());
    }
}

void CHvacData::SaveToQuery(CDbQuery& dataSet) const
{
    const QHash<QString, ColumnType> declared = DeclaredTypes(dataSet);
    for (const QString& field : dataSet.FieldNames()) {
        if (IsRecordKey(field))
            continue;
        const ColumnType type = TypeOf(declared, dataSet, field);
        if (type == ColumnType::AutoIncrement)
            continue;
        if (type == ColumnType::Blob) {
            dataSet.SetFieldValue(field, Blob.isEmpty() ? QVariant() : QVariant(Blob));
            continue;
        }
        // A key the bag lacks is a column the record frame does not show: writing "0" would wipe
        // the stored value, so it is left alone.
        const auto it = Values.constFind(field);
        if (it == Values.cend())
            continue;
        switch (type) {
        case ColumnType::Integer:
            dataSet.SetFieldValue(field, LeadingInteger(*it));
            break;
        case ColumnType::Real:
            dataSet.SetFieldValue(field, LeadingReal(*it));
            break;
        default:
            dataSet.SetFieldValue(field, *it);
            break;
        }
    }
}
