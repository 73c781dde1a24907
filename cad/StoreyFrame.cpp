#include "cad/StoreyFrame.h"

void StoreyFrame::Clear()
{
    points.Clear();
    model.points.Clear();
    model.walls.Clear();
    model.area = 0;
}
