#include "calc/ResultHolder.h"

#include "calc/CCalResultBuffer.h"
#include "calc/ResultByType.h"

void ReturnHeldResult(void*& result)
{
    if (!result)
        return;
    if (CCalResultBuffer* pool = CCalResultBuffer::GetCurrent())
        pool->ReleaseResult(result);
    else
        FreeResultByType(result);
    result = nullptr;
}
