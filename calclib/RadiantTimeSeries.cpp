#include "calclib/RadiantTimeSeries.h"
