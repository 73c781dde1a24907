#pragma once
#include "model/CElementBase.h"

#include <QString>

class CEleAttrs;
class CRoom;

// Common part of the internal loads of a room (people, lighting, equipment, food, evaporating
// water, infiltration, other loads): a position, a schedule named by text, and the lookups their
// defaults need. Each class still names its own columns, in its own order, in ExchangeAttrs; the
// base call below gives Name, Status and the six coordinates.
class CLoadElement : public CElementBase
{
public:
    explicit CLoadElement(int type) : CElementBase(type) {}

    QString ScheduleName;
    SCoordinate Coord;

    // X, Y, Z, X0, Y0, Z0.
    void GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const override;
    // Name, Status, then X0, Y0, Z0, X, Y, Z.
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // Name of the schedule whose ID is the named default value; empty when no schedule has it. A
    // default that is not an integer raises (CDefaultValue).
    static QString DefaultScheduleName(const QString& name);

    // The whole-number part of a count (toward zero). A product that is a whole number on paper but
    // falls a rounding error short of it (0.29 × 100) still counts as that number; values beyond
    // the integer range are held at its ends, and a value that is not a number gives 0.
    static int WholePart(double value);

    // Persons in the room from its density: the floor area is Area when IsLWInputArea is non-zero,
    // else Length × Width; by InputTypeofPeopleDensity 0 density × area, 1 area / density (0 for a
    // density of 0), 2 the density itself, other codes 0; cut to the whole number.
    static int PeopleNumber(const CRoom& room);

protected:
    // The room above the element's tree node; null without a node or without a room above it.
    CRoom* Room() const;
};
