#include "calclib/dizedozev.h"
