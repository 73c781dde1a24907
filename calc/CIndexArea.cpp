#include "calc/CIndexArea.h"

#include "model/CDefaultValue.h"

void CIndexArea::Reset()
{
    s_coolingArea = 0;
    s_heatingArea = 0;
}

void CIndexArea::AddRoomArea(double coolingPeak, double heatingPeak, double roomArea)
{
    if (coolingPeak > 0)
        s_coolingArea += roomArea;
    if (heatingPeak < 0)
        s_heatingArea += roomArea;
}

void CIndexArea::SetBuildingArea(double area)
{
    if (CDefaultValue::Int(QStringLiteral("AreaTypeForCalIndex")) != 1)
        return;
    s_coolingArea = area;
    s_heatingArea = area;
}
