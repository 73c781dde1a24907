#pragma once
#include "library/forms/TTOccupationFrameBase.h"

// The record frame of the storey-use library: design conditions and load indexes a storey hands to
// its rooms; people density in persons per m², fresh air in m³/h per person.
class TTStoreyOccupation : public TTOccupationFrameBase
{
    Q_OBJECT
public:
    explicit TTStoreyOccupation(QWidget* owner);
};
