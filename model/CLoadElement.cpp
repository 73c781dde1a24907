#include "model/CLoadElement.h"

#include "model/CDefaultValue.h"
#include "model/CEleAttrs.h"
#include "model/CMaterialParamNameList.h"
#include "model/CRoom.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
constexpr int kRoomType = 3;
} // namespace

void CLoadElement::GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const
{
    Coord.Get(x, y, z, x0, y0, z0);
}

void CLoadElement::ExchangeAttrs(CEleAttrs& attrs)
{
    CElementBase::ExchangeAttrs(attrs);
    Coord.Exchange(attrs);
}

QString CLoadElement::DefaultScheduleName(const QString& name)
{
    return CMaterialParamNameList::Current().GetScheduleNameById(CDefaultValue::Int(name));
}

int CLoadElement::WholePart(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    // Densities such as 0.29 persons/m² have no exact binary form; their product with the area may
    // land just below the whole number it stands for, which a plain cut would lose a person to.
    const double nearest = std::round(value);
    if (std::fabs(value - nearest) <= 1e-9 * std::max(1.0, std::fabs(nearest)))
        return static_cast<int>(nearest);
    return static_cast<int>(std::trunc(value));
}

int CLoadElement::PeopleNumber(const CRoom& room)
{
    const double area = room.IsLWInputArea != 0 ? room.Area : room.Length * room.Width;
    switch (room.InputTypeofPeopleDensity) {
    case 0:
        return WholePart(room.PeopleDensity * area);
    case 1:
        return room.PeopleDensity != 0 ? WholePart(area / room.PeopleDensity) : 0;
    case 2:
        return WholePart(room.PeopleDensity);
    default:
        return 0;
    }
}

CRoom* CLoadElement::Room() const
{
    return Node ? dynamic_cast<CRoom*>(Node->AncestorElement(kRoomType)) : nullptr;
}
