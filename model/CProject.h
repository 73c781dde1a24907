#pragma once
#include "model/CElementBase.h"

// The root of the project tree (type 0). It has no table row: inserting and updating write
// nothing; its attributes are the base ones (Name, Status) for copies and attribute reads.
class CProject : public CElementBase
{
public:
    static constexpr int TypeCode = 0;

    CProject() : CElementBase(TypeCode) {}

    // The project has no position: the six values stay as the caller set them.
    void GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const override;
};
