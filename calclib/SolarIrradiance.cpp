#include "calclib/SolarIrradiance.h"
