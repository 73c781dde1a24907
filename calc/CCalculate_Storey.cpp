#include "calc/CCalculate_Storey.h"

#include "calc/ResultHolder.h"

CCalculate_Storey::~CCalculate_Storey()
{
    Clear();
}

void CCalculate_Storey::Clear()
{
    Rooms.clear();
    ReturnHeldResult(Result);
}
