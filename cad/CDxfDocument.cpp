#include "cad/CDxfDocument.h"

int CDxfDocument::Units() const
{
    if (measurement == 0 || measurement == 1)
        return measurement;
    switch (insUnits) {
    case 1:  // inch
    case 2:  // foot
    case 3:  // mile
    case 8:  // microinch
    case 9:  // mil
    case 10: // yard
        return 0;
    default:
        return 1;
    }
}
