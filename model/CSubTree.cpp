#include "model/CSubTree.h"

#include "model/CEleAttrs.h"

bool CSubTree::SetDefaults()
{
    X0 = Y0 = Z0 = 0;
    return true;
}

void CSubTree::GetCoordinates(double&, double&, double&, double& x0, double& y0, double& z0) const
{
    x0 = X0;
    y0 = Y0;
    z0 = Z0;
}

void CSubTree::ExchangeAttrs(CEleAttrs& attrs)
{
    CElementBase::ExchangeAttrs(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("X0"), X0);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Y0"), Y0);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Z0"), Z0);
}
