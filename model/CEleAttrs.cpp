#include "model/CEleAttrs.h"

#include "platform/core/CDbQuery.h"
#include "upgrade/CSQLMaker.h"

#include <QRegularExpression>

CEleAttr* CEleAttrs::GetAttr(const QString& name, bool create)
{
    for (const auto& attr : m_list)
        if (attr->Name == name)
            return attr.get();
    if (!create)
        return nullptr;
    m_list.push_back(std::make_unique<CEleAttr>());
    m_list.back()->Name = name;
    return m_list.back().get();
}

void CEleAttrs::SetAttrString(const QString& name, const QString& value)
{
    CEleAttr* attr = GetAttr(name, true);
    attr->Value = value;
    attr->Exact = QVariant();
}

QList<const CEleAttr*> CEleAttrs::Attributes() const
{
    QList<const CEleAttr*> result;
    for (const auto& attr : m_list)
        result << attr.get();
    return result;
}

QString EleAttrIntText(int value)
{
    return QString::number(value);
}

QString EleAttrRealText(double value)
{
    QString text = QString::number(value, 'g', 15);
    // The general format writes 1e+20; the stored texts use the plain exponent form 1E20.
    static const QRegularExpression exponent(QStringLiteral("e([+-])0*(\\d)"));
    text.replace(exponent, QStringLiteral("E\\1\\2"));
    return text.replace(QStringLiteral("E+"), QStringLiteral("E"));
}

namespace {
// The leading number of a text: blanks, an optional sign, then digits (and for reals a fraction
// and an exponent). No number gives 0.
QString LeadingNumber(const QString& text, bool real)
{
    static const QRegularExpression intPattern(QStringLiteral("^\\s*([+-]?\\d+)"));
    static const QRegularExpression realPattern(
        QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = (real ? realPattern : intPattern).match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}
} // namespace

int EleAttrReadInt(const QString& text)
{
    const QString number = LeadingNumber(text, false);
    bool ok = false;
    const qlonglong value = number.toLongLong(&ok);
    if (!ok)
        return 0;
    return static_cast<int>(qBound<qlonglong>(qlonglong(INT_MIN), value, qlonglong(INT_MAX)));
}

double EleAttrReadReal(const QString& text)
{
    return LeadingNumber(text, true).toDouble();
}

namespace {
// The value to write back: the exact collected value when there is one, else the text read.
double RealOf(const CEleAttr& attr)
{
    return attr.Exact.isValid() ? attr.Exact.toDouble() : EleAttrReadReal(attr.Value);
}
} // namespace

void EleAttrsExchangeInt(CEleAttrs& attrs, const QString& name, int& field)
{
    if (!attrs.Takes(name))
        return;
    switch (attrs.mode) {
    case CEleAttrs::Collect: {
        CEleAttr* attr = attrs.GetAttr(name, true);
        attr->Kind = 0;
        attr->Value = EleAttrIntText(field);
        attr->Exact = field;
        break;
    }
    case CEleAttrs::WriteBack:
        if (const CEleAttr* attr = attrs.GetAttr(name, false))
            field = EleAttrReadInt(attr->Value);
        break;
    case CEleAttrs::ReadDataSet:
        if (attrs.dataSet)
            field = attrs.dataSet->AsInt(name);
        break;
    default:
        break;
    }
}

void EleAttrsExchangeDouble(CEleAttrs& attrs, const QString& name, double& field)
{
    if (!attrs.Takes(name))
        return;
    switch (attrs.mode) {
    case CEleAttrs::Collect: {
        CEleAttr* attr = attrs.GetAttr(name, true);
        attr->Kind = 1;
        attr->Value = EleAttrRealText(field);
        attr->Exact = field;
        break;
    }
    case CEleAttrs::WriteBack:
        if (const CEleAttr* attr = attrs.GetAttr(name, false))
            field = RealOf(*attr);
        break;
    case CEleAttrs::ReadDataSet:
        if (attrs.dataSet)
            field = attrs.dataSet->AsDouble(name);
        break;
    default:
        break;
    }
}

void EleAttrsExchangeString(CEleAttrs& attrs, const QString& name, QString& field)
{
    if (!attrs.Takes(name))
        return;
    switch (attrs.mode) {
    case CEleAttrs::Collect: {
        CEleAttr* attr = attrs.GetAttr(name, true);
        attr->Kind = 2;
        attr->Value = field;
        attr->Exact = QVariant();
        break;
    }
    case CEleAttrs::WriteBack:
        if (const CEleAttr* attr = attrs.GetAttr(name, false))
            field = attr->Value;
        break;
    case CEleAttrs::ReadDataSet:
        if (attrs.dataSet)
            field = attrs.dataSet->AsString(name);
        break;
    default:
        break;
    }
}

void EleAttrsExchangeBool(CEleAttrs& attrs, const QString& name, bool& field)
{
    int v = field ? 1 : 0;
    EleAttrsExchangeInt(attrs, name, v);
    field = v == 1;
}

void EleAttrsExchangeIntText(CEleAttrs& attrs, const QString& name, int& field)
{
    QString text = EleAttrIntText(field);
    EleAttrsExchangeString(attrs, name, text);
    field = EleAttrReadInt(text);
}

void EleAttrsExportToSQL(const CEleAttrs& attrs, CSQLMaker& maker)
{
    for (const CEleAttr* attr : attrs.Attributes()) {
        switch (attr->Kind) {
        case 0:
            maker.AddIntField(attr->Name, EleAttrReadInt(attr->Value));
            break;
        case 1:
            maker.AddFloatField(attr->Name, RealOf(*attr));
            break;
        case 2:
            maker.AddSQLField(attr->Name, attr->Value, true);
            break;
        default:
            break;
        }
    }
}
