#include "calc/SAirSystemOrStoreyGroupStruct.h"

SAirSystemOrStoreyGroupStruct::SAirSystemOrStoreyGroupStruct() = default;
