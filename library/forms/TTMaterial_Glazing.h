#pragma once
#include "library/forms/TTMaterial_BaseForm.h"

// The record frames of the glazed and door constructions. They share one set of controls; each
// kind shows the ones its table has: panes, glass, frame and heat-transfer coefficients always,
// the correction factor g, the air-permeability grade and coefficient, and (outside windows only)
// the shading and glass corrections.
class TTMaterial_GlazingBase : public TTMaterial_BaseForm
{
    Q_OBJECT
protected:
    struct SParts
    {
        QString frameCaption = QStringLiteral("框架材料和类型:");
        QString gCaption; // empty: no g
        bool exfiltration = false;
        bool shading = false;
    };
    TTMaterial_GlazingBase(QWidget* owner, const QSize& designSize, const QString& name, const SParts& parts);
};

class TTMaterial_OutsideWindow : public TTMaterial_GlazingBase
{
    Q_OBJECT
public:
    explicit TTMaterial_OutsideWindow(QWidget* owner);
};

class TTMaterial_OutsideDoor : public TTMaterial_GlazingBase
{
    Q_OBJECT
public:
    explicit TTMaterial_OutsideDoor(QWidget* owner);
};

class TTMaterial_GlassCurtainWall : public TTMaterial_GlazingBase
{
    Q_OBJECT
public:
    explicit TTMaterial_GlassCurtainWall(QWidget* owner);
};

// Glass roofs and sky windows.
class TTMaterial_GlassRoof_SkyWindow : public TTMaterial_GlazingBase
{
    Q_OBJECT
public:
    explicit TTMaterial_GlassRoof_SkyWindow(QWidget* owner);
};

class TTMaterial_InsideWindow : public TTMaterial_GlazingBase
{
    Q_OBJECT
public:
    explicit TTMaterial_InsideWindow(QWidget* owner);
};

class TTMaterial_InsideDoor : public TTMaterial_GlazingBase
{
    Q_OBJECT
public:
    explicit TTMaterial_InsideDoor(QWidget* owner);
};
