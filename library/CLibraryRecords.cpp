#include "library/CLibraryRecords.h"

void CLIB_ConstructionBase::AddColumns(CColumns& columns)
{
    columns.push_back({"BMP", &BMP});
    AddKindColumns(columns);
    columns.push_back({"catergory", &catergory});
}

void CLIB_LayeredConstruction::AddKindColumns(CColumns& columns)
{
    columns.insert(columns.end(), {{"InsulationMaterials", &InsulationMaterials},
                                   {"Deta", &Deta},
                                   {"K_S", &K_S},
                                   {"K_W", &K_W},
                                   {"Beta", &Beta},
                                   {"D", &D},
                                   {"v_S", &v_S},
                                   {"v_W", &v_W},
                                   {"Kesi_S", &Kesi_S},
                                   {"Kesi_W", &Kesi_W},
                                   {"vn_S", &vn_S},
                                   {"vn_W", &vn_W},
                                   {"Kesin_S", &Kesin_S},
                                   {"Kesin_W", &Kesin_W}});
}

void CLIB_OutsideWindow::AddKindColumns(CColumns& columns)
{
    columns.insert(columns.end(), {{"Pane", &Pane},
                                   {"GlassType", &GlassType},
                                   {"FrameType", &FrameType},
                                   {"K_S", &K_S},
                                   {"K_W", &K_W},
                                   {"g", &g},
                                   {"Inside_Sunshade", &Inside_Sunshade},
                                   {"Outside_Sunshade", &Outside_Sunshade},
                                   {"Glass_Revise", &Glass_Revise},
                                   {"ExfiltrationGrade", &ExfiltrationGrade},
                                   {"ExfiltrationCoefficient", &ExfiltrationCoefficient}});
}

void CLIB_OutsideDoor::AddKindColumns(CColumns& columns)
{
    columns.insert(columns.end(), {{"Pane", &Pane},
                                   {"GlassType", &GlassType},
                                   {"FrameType", &FrameType},
                                   {"K_S", &K_S},
                                   {"K_W", &K_W},
                                   {"g", &g},
                                   {"ExfiltrationGrade", &ExfiltrationGrade},
                                   {"ExfiltrationCoefficient", &ExfiltrationCoefficient}});
}

void CLIB_GlassCurtainWall::AddKindColumns(CColumns& columns)
{
    columns.insert(columns.end(), {{"Pane", &Pane},
                                   {"GlassType", &GlassType},
                                   {"FrameType", &FrameType},
                                   {"ExfiltrationGrade", &ExfiltrationGrade},
                                   {"K_S", &K_S},
                                   {"K_W", &K_W},
                                   {"g", &g},
                                   {"ExfiltrationCoefficient", &ExfiltrationCoefficient}});
}

void CLIB_GlassRoof::AddKindColumns(CColumns& columns)
{
    columns.insert(columns.end(), {{"Pane", &Pane},
                                   {"GlassType", &GlassType},
                                   {"FrameType", &FrameType},
                                   {"g", &g},
                                   {"K_S", &K_S},
                                   {"K_W", &K_W}});
}

void CLIB_InsideOpening::AddKindColumns(CColumns& columns)
{
    columns.insert(columns.end(), {{"Pane", &Pane},
                                   {"GlassType", &GlassType},
                                   {"FrameType", &FrameType},
                                   {"K_S", &K_S},
                                   {"K_W", &K_W}});
}

void CLIB_SkyWindow::AddKindColumns(CColumns& columns)
{
    columns.insert(columns.end(), {{"Pane", &Pane},
                                   {"GlassType", &GlassType},
                                   {"FrameType", &FrameType},
                                   {"K_S", &K_S},
                                   {"K_W", &K_W},
                                   {"g", &g}});
}

void CLIB_Ground::AddKindColumns(CColumns& columns)
{
    columns.insert(columns.end(), {{"InsulationMaterials", &InsulationMaterials},
                                   {"Deta", &Deta},
                                   {"GroundType", &GroundType},
                                   {"K_S", &K_S},
                                   {"K_W", &K_W}});
}

void CLIB_BasementWall::AddKindColumns(CColumns& columns)
{
    columns.insert(columns.end(), {{"InsulationMaterials", &InsulationMaterials},
                                   {"Deta", &Deta},
                                   {"K_S", &K_S},
                                   {"K_W", &K_W},
                                   {"D", &D}});
}
