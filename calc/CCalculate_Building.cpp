#include "calc/CCalculate_Building.h"

#include "calc/ResultHolder.h"

CCalculate_Building::~CCalculate_Building()
{
    Clear();
}

void CCalculate_Building::Clear()
{
    Storeys.clear();
    ReturnHeldResult(Result);
}
