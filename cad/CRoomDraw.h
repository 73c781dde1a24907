#pragma once
#include "cad/CADDrawBase.h"

// A traced room over the underlay: blue, hatched.
class CRoomDraw : public CADDrawBase
{
public:
    CRoomDraw() : CADDrawBase(Qt::blue, true) {}
};
