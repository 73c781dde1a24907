#pragma once

// The floor areas (m2) on which the load indexes of the current calculation are based, one
// program-wide pair, zero at start. The driver and the calculation-book commands reset it before
// they calculate; the detailed cooling calculation adds the rooms that carry a load; the load
// summary divides peaks by it.
class CIndexArea
{
public:
    static void Reset();
    // The cooling area grows by the room area when the cooling peak is > 0, the heating area when
    // the heating peak is < 0.
    static void AddRoomArea(double coolingPeak, double heatingPeak, double roomArea);
    // When the default value "AreaTypeForCalIndex" is 1 both areas become the area; otherwise
    // nothing changes. A value that is not an integer raises Exception.
    static void SetBuildingArea(double area);

    static double CoolingArea() { return s_coolingArea; }
    static double HeatingArea() { return s_heatingArea; }

private:
    static inline double s_coolingArea = 0;
    static inline double s_heatingArea = 0;
};
