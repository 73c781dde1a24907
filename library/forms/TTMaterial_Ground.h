#pragma once
#include "library/forms/TTMaterial_BaseForm.h"

// The record frames of the ground and the basement wall: insulation, thickness and heat-transfer
// coefficients, with the ground category or the thermal inertia index.
class TTMaterial_Ground : public TTMaterial_BaseForm
{
    Q_OBJECT
public:
    explicit TTMaterial_Ground(QWidget* owner);
};

class TTMaterial_BasementWall : public TTMaterial_BaseForm
{
    Q_OBJECT
public:
    explicit TTMaterial_BasementWall(QWidget* owner);
};
