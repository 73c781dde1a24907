#pragma once

// One corner of a traced polygon, in drawing units (x to the right, y upwards).
struct CCADPoint
{
    double x = 0;
    double y = 0;
};
