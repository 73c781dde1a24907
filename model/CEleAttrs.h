#pragma once
#include <QList>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

class CDbQuery;
class CSQLMaker;

// One exchanged column: its kind (0 integer, 1 real, 2 text), name and value as text. Exact keeps
// the value as collected (a double for reals) so that statements and copies lose no precision;
// it is empty for attributes set from text.
struct CEleAttr
{
    int Kind = 2;
    QString Name;
    QString Value;
    QVariant Exact;
};

// The columns an element class names in ExchangeAttrs, in the order first named. One list of calls
// serves every direction, chosen by the mode: collect the element's values, write values back into
// the element, read the element from the current row of a data set. A filter narrows any of them to
// the one column of that name (exact, case-sensitive).
class CEleAttrs
{
public:
    enum Mode
    {
        Collect = 0,
        WriteBack = 1,
        ReadDataSet = 2
    };

    CEleAttrs() = default;
    explicit CEleAttrs(const QString& filter) : m_filter(filter) {}
    CEleAttrs(const CEleAttrs&) = delete;
    CEleAttrs& operator=(const CEleAttrs&) = delete;

    int mode = Collect;
    CDbQuery* dataSet = nullptr; // row source of ReadDataSet

    // The attribute of that name; when absent, null unless create, then a new empty one appended.
    CEleAttr* GetAttr(const QString& name, bool create);
    void SetAttrString(const QString& name, const QString& value);
    // False when the filter excludes the column.
    bool Takes(const QString& name) const { return m_filter.isEmpty() || m_filter == name; }
    QList<const CEleAttr*> Attributes() const;
    int Count() const { return static_cast<int>(m_list.size()); }

private:
    QString m_filter;
    std::vector<std::unique_ptr<CEleAttr>> m_list;
};

void EleAttrsExchangeInt(CEleAttrs& attrs, const QString& name, int& field);
void EleAttrsExchangeDouble(CEleAttrs& attrs, const QString& name, double& field);
void EleAttrsExchangeString(CEleAttrs& attrs, const QString& name, QString& field);
void EleAttrsExchangeBool(CEleAttrs& attrs, const QString& name, bool& field);
// An integer kept in a text column (the room-use and storey-use references).
void EleAttrsExchangeIntText(CEleAttrs& attrs, const QString& name, int& field);
// Adds every attribute to the statement builder: integers and reals as numbers, texts as texts.
void EleAttrsExportToSQL(const CEleAttrs& attrs, CSQLMaker& maker);

// Value texts: integers as decimal digits, reals in the general format with up to 15 significant
// digits; reading takes the leading number of the text, 0 when there is none.
QString EleAttrIntText(int value);
QString EleAttrRealText(double value);
int EleAttrReadInt(const QString& text);
double EleAttrReadReal(const QString& text);
