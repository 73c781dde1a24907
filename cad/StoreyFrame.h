#pragma once
#include "cad/CADDrawBase.h"
#include "cad/model/CCADAreaInfo.h"

// The storey outline over the underlay: red, not hatched. Its model holds the outline's corners,
// its walls (names and orientations only), its area and the storey name as edited in the window.
class StoreyFrame : public CADDrawBase
{
public:
    StoreyFrame() : CADDrawBase(Qt::red, false) {}

    CCADAreaInfo model;

    // Empties the drawn corners, the model's corners and walls; area 0.
    void Clear();
};
