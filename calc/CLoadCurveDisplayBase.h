#pragma once
#include "platform/core/CCurrent.h"

class CLoadCurveList;

// The windows that show load curves, installed at start by the window layer; tests install a fake.
// Both calls show their window modally and return when the user closed it.
class CLoadCurveDisplayBase : public CCurrent<CLoadCurveDisplayBase>
{
public:
    static constexpr const char* SlotName = "CLoadCurveDisplayBase";

    virtual ~CLoadCurveDisplayBase() = default;
    // The 24-hour curve window (design types 2, 3, 4, 6, 7 and 8).
    virtual void ShowLoadCurves(const CLoadCurveList& curves) = 0;
    // The annual chart of the daily cooling calculation (design type 5).
    virtual void ShowAnnualChart(const CLoadCurveList& curves) = 0;
};
