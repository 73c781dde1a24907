#include "calclib/SolAir.h"
