#include "calclib/WallParameters.h"
