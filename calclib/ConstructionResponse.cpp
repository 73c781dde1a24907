#include "calclib/ConstructionResponse.h"
