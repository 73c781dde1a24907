#include "calclib/SolarGeometry.h"
