#pragma once
#include "model/CElementBase.h"

class CEleAttrs;

// A folder (type 30, table SubTree) grouping nodes of any level. Its caption lives only in the tree
// table, so it has no Name column, and it is nobody's parent_id. It keeps an origin but no X, Y, Z.
class CSubTree : public CElementBase
{
public:
    static constexpr int TypeCode = 30;

    CSubTree() : CElementBase(TypeCode) {}

    double X0 = 0, Y0 = 0, Z0 = 0;

    bool SetDefaults() override;
    // Writes X0, Y0, Z0; leaves X, Y, Z as passed.
    void GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const override;
    // Status, X0, Y0, Z0.
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
