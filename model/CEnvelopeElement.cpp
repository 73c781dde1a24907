#include "model/CEnvelopeElement.h"

#include "model/CDefaultValue.h"
#include "model/CEleAttrs.h"
#include "model/CMaterialParamNameList.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

namespace {
constexpr int kStoreyType = 2;
}

CEnvelopeElement::CEnvelopeElement(int type, int libraryKind, const QString& nameColumn)
    : CElementBase(type), m_libraryKind(libraryKind), m_nameColumn(nameColumn)
{
}

void CEnvelopeElement::GetCoordinates(double& x, double& y, double& z, double& x0, double& y0,
                                      double& z0) const
{
    Coord.Get(x, y, z, x0, y0, z0);
}

void CEnvelopeElement::ExchangeAttrs(CEleAttrs& attrs)
{
    CElementBase::ExchangeAttrs(attrs);
    Coord.Exchange(attrs);
}

int CEnvelopeElement::DefaultInt(const QString& name)
{
    return CDefaultValue::Int(name);
}

double CEnvelopeElement::DefaultReal(const QString& name)
{
    return CDefaultValue::Real(name);
}

void CEnvelopeElement::ExchangeMaterialId(CEleAttrs& attrs)
{
    EleAttrsExchangeInt(attrs, QStringLiteral("material_id"), material_id);
}

void CEnvelopeElement::ExchangeMaterialName(CEleAttrs& attrs)
{
    EleAttrsExchangeString(attrs, m_nameColumn, MaterialName);
}

void CEnvelopeElement::ExchangeArea(CEleAttrs& attrs)
{
    EleAttrsExchangeInt(attrs, QStringLiteral("IsLWInputArea"), IsLWInputArea);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Length"), Length);
}

void CEnvelopeElement::ClearNameAndStatus()
{
    Name.clear();
    Status = 1;
}

void CEnvelopeElement::SetMaterialDefaults()
{
    material_id = DefaultInt(m_nameColumn);
    MaterialName = CMaterialParamNameList::Current().GetNameById(m_libraryKind, material_id);
}

CElementBase* CEnvelopeElement::Ancestor(int type) const
{
    return Node ? Node->AncestorElement(type) : nullptr;
}

bool CEnvelopeElement::ColumnReal(CElementBase& element, const QString& column, double& value)
{
    CEleAttrs attrs(column);
    element.ExchangeAttrs(attrs);
    const CEleAttr* attr = attrs.GetAttr(column, false);
    if (!attr)
        return false;
    value = attr->Exact.isValid() ? attr->Exact.toDouble() : EleAttrReadReal(attr->Value);
    return true;
}

bool CEnvelopeElement::ColumnInt(CElementBase& element, const QString& column, int& value)
{
    CEleAttrs attrs(column);
    element.ExchangeAttrs(attrs);
    const CEleAttr* attr = attrs.GetAttr(column, false);
    if (!attr)
        return false;
    value = EleAttrReadInt(attr->Value);
    return true;
}

double CEnvelopeElement::StoreyHeight() const
{
    double height = 0;
    if (CElementBase* storey = Ancestor(kStoreyType))
        ColumnReal(*storey, QStringLiteral("StoreyHeight"), height);
    return height;
}

double CEnvelopeElement::SumOpeningArea(const QString& table, int parentId)
{
    if (!m_Query)
        throw Exception(QStringLiteral("实体%1没有数据集，无法统计门窗面积").arg(Name));
    OpenQueryGuarded(*m_Query, {QStringLiteral("select Area,Quantity from %1 where parent_id = ?").arg(table),
                                {parentId}});
    double sum = 0;
    for (m_Query->First(); !m_Query->Eof(); m_Query->Next())
        sum += m_Query->AsDouble(QStringLiteral("Area")) * m_Query->AsInt(QStringLiteral("Quantity"));
    return sum;
}

void SOutsideShield::Exchange(CEleAttrs& attrs)
{
    EleAttrsExchangeDouble(attrs, QStringLiteral("OutsideShield_B"), B);
    EleAttrsExchangeDouble(attrs, QStringLiteral("OutsideShield_H"), H);
    EleAttrsExchangeDouble(attrs, QStringLiteral("OutsideShield_l"), l);
    EleAttrsExchangeDouble(attrs, QStringLiteral("OutsideShield_m"), m);
    EleAttrsExchangeDouble(attrs, QStringLiteral("OutsideShield_f"), f);
    EleAttrsExchangeDouble(attrs, QStringLiteral("OutsideShield_g"), g);
}
