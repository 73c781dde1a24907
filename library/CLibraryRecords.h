#pragma once
#include "model/CMaterialBase.h"

#include <QByteArray>
#include <QString>

// The construction records: one class per construction kind code, each mirroring one row of its
// "_Lib" table. Load and Save visit Name, BMP, the kind's columns in the order each class lists
// them, then catergory. Texts start empty, numbers at 0. Units: thicknesses in mm, heat-transfer
// coefficients in W/(m²·℃), time lags in h, air-permeability coefficients in m³/(m·h·Pa^0.67).

// What every construction record has: its picture and its category.
class CLIB_ConstructionBase : public CMaterialBase
{
public:
    QByteArray BMP;    // the picture column's bytes as stored, undecoded; empty for none
    QString catergory; // category under which the record is filed (column spelled so)

protected:
    explicit CLIB_ConstructionBase(int kind) : CMaterialBase(kind) {}
    void AddColumns(CColumns& columns) final;
    // The kind's own columns, between BMP and catergory.
    virtual void AddKindColumns(CColumns& columns) = 0;
};

// The layered set shared by walls, slabs and roofs.
class CLIB_LayeredConstruction : public CLIB_ConstructionBase
{
public:
    QString InsulationMaterials;
    double Deta = 0;    // thickness δ
    double K_S = 0;     // summer K
    double K_W = 0;     // winter K
    double Beta = 0;    // heat-transfer attenuation β
    double D = 0;       // thermal inertia index
    double v_S = 0;     // summer total attenuation factor ν
    double v_W = 0;     // winter total attenuation factor ν
    double Kesi_S = 0;  // summer heat-transfer time lag ξ
    double Kesi_W = 0;  // winter heat-transfer time lag ξ
    double vn_S = 0;    // summer inner-surface heat-release attenuation factor νn
    double vn_W = 0;    // winter inner-surface heat-release attenuation factor νn
    double Kesin_S = 0; // summer inner-surface heat-release time lag ξn
    double Kesin_W = 0; // winter inner-surface heat-release time lag ξn

protected:
    explicit CLIB_LayeredConstruction(int kind) : CLIB_ConstructionBase(kind) {}
    void AddKindColumns(CColumns& columns) override;
};

class CLIB_OutsideWall final : public CLIB_LayeredConstruction
{
public:
    static constexpr int Kind = 0;
    CLIB_OutsideWall() : CLIB_LayeredConstruction(Kind) {}
};

class CLIB_InsideWall final : public CLIB_LayeredConstruction
{
public:
    static constexpr int Kind = 1;
    CLIB_InsideWall() : CLIB_LayeredConstruction(Kind) {}
};

class CLIB_Ceiling final : public CLIB_LayeredConstruction
{
public:
    static constexpr int Kind = 2;
    CLIB_Ceiling() : CLIB_LayeredConstruction(Kind) {}
};

class CLIB_Floor final : public CLIB_LayeredConstruction
{
public:
    static constexpr int Kind = 3;
    CLIB_Floor() : CLIB_LayeredConstruction(Kind) {}
};

class CLIB_Roof final : public CLIB_LayeredConstruction
{
public:
    static constexpr int Kind = 4;
    CLIB_Roof() : CLIB_LayeredConstruction(Kind) {}
};

class CLIB_BlindStorey final : public CLIB_LayeredConstruction
{
public:
    static constexpr int Kind = 5;
    CLIB_BlindStorey() : CLIB_LayeredConstruction(Kind) {}
};

class CLIB_ProjectionFloor final : public CLIB_LayeredConstruction
{
public:
    static constexpr int Kind = 14;
    CLIB_ProjectionFloor() : CLIB_LayeredConstruction(Kind) {}
};

class CLIB_GapWall final : public CLIB_LayeredConstruction
{
public:
    static constexpr int Kind = 15;
    CLIB_GapWall() : CLIB_LayeredConstruction(Kind) {}
};

class CLIB_OutsideWindow final : public CLIB_ConstructionBase
{
public:
    static constexpr int Kind = 6;
    CLIB_OutsideWindow() : CLIB_ConstructionBase(Kind) {}

    QString Pane; // number of panes as text ("单层", "双层")
    QString GlassType;
    QString FrameType;
    double K_S = 0;
    double K_W = 0;
    double g = 0; // construction correction factor or solar heat-gain coefficient
    double Inside_Sunshade = 0;
    double Outside_Sunshade = 0;
    double Glass_Revise = 0;
    QString ExfiltrationGrade; // "I" .. "V"
    double ExfiltrationCoefficient = 0;

protected:
    void AddKindColumns(CColumns& columns) override;
};

class CLIB_OutsideDoor final : public CLIB_ConstructionBase
{
public:
    static constexpr int Kind = 7;
    CLIB_OutsideDoor() : CLIB_ConstructionBase(Kind) {}

    QString Pane;
    QString GlassType;
    QString FrameType;
    double K_S = 0;
    double K_W = 0;
    double g = 0;
    QString ExfiltrationGrade;
    double ExfiltrationCoefficient = 0;

protected:
    void AddKindColumns(CColumns& columns) override;
};

class CLIB_GlassCurtainWall final : public CLIB_ConstructionBase
{
public:
    static constexpr int Kind = 8;
    CLIB_GlassCurtainWall() : CLIB_ConstructionBase(Kind) {}

    QString Pane;
    QString GlassType;
    QString FrameType;
    QString ExfiltrationGrade;
    double K_S = 0;
    double K_W = 0;
    double g = 0;
    double ExfiltrationCoefficient = 0;

protected:
    void AddKindColumns(CColumns& columns) override;
};

class CLIB_GlassRoof final : public CLIB_ConstructionBase
{
public:
    static constexpr int Kind = 9;
    CLIB_GlassRoof() : CLIB_ConstructionBase(Kind) {}

    QString Pane;
    QString GlassType;
    QString FrameType;
    double g = 0;
    double K_S = 0;
    double K_W = 0;

protected:
    void AddKindColumns(CColumns& columns) override;
};

// Inside windows and inside doors hold the same columns.
class CLIB_InsideOpening : public CLIB_ConstructionBase
{
public:
    QString Pane;
    QString GlassType;
    QString FrameType;
    double K_S = 0;
    double K_W = 0;

protected:
    explicit CLIB_InsideOpening(int kind) : CLIB_ConstructionBase(kind) {}
    void AddKindColumns(CColumns& columns) override;
};

class CLIB_InsideWindow final : public CLIB_InsideOpening
{
public:
    static constexpr int Kind = 10;
    CLIB_InsideWindow() : CLIB_InsideOpening(Kind) {}
};

class CLIB_InsideDoor final : public CLIB_InsideOpening
{
public:
    static constexpr int Kind = 11;
    CLIB_InsideDoor() : CLIB_InsideOpening(Kind) {}
};

class CLIB_SkyWindow final : public CLIB_ConstructionBase
{
public:
    static constexpr int Kind = 12;
    CLIB_SkyWindow() : CLIB_ConstructionBase(Kind) {}

    QString Pane;
    QString GlassType;
    QString FrameType;
    double K_S = 0;
    double K_W = 0;
    double g = 0;

protected:
    void AddKindColumns(CColumns& columns) override;
};

class CLIB_Ground final : public CLIB_ConstructionBase
{
public:
    static constexpr int Kind = 13;
    CLIB_Ground() : CLIB_ConstructionBase(Kind) {}

    QString InsulationMaterials;
    double Deta = 0;
    int GroundType = 0; // 0, 1 or 2: the ground category
    double K_S = 0;
    double K_W = 0;

protected:
    void AddKindColumns(CColumns& columns) override;
};

class CLIB_BasementWall final : public CLIB_ConstructionBase
{
public:
    static constexpr int Kind = 19;
    CLIB_BasementWall() : CLIB_ConstructionBase(Kind) {}

    QString InsulationMaterials;
    double Deta = 0;
    double K_S = 0;
    double K_W = 0;
    double D = 0;

protected:
    void AddKindColumns(CColumns& columns) override;
};
