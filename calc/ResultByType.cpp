#include "calc/ResultByType.h"

#include "calc/ResultDispatch.h"
#include "model/CProjectData.h"

int CurrentDesignType()
{
    return CProjectData::Exists() ? CProjectData::Current().DesignType : -1;
}

int ResultStepCount(int designType)
{
    int count = 0;
    VisitResultType(designType, [&](auto*, int steps) { count = steps; });
    return count;
}

void AllocResultByType(void*& result, int designType)
{
    VisitResultType(designType, [&](auto* tag, int steps) {
        using Record = ResultRecordOf<decltype(tag)>;
        result = steps == 1 ? new Record : new Record[steps];
    });
}

void ResetResultByType(void* result, int designType)
{
    if (!result)
        return;
    VisitResultType(designType, [&](auto* tag, int steps) {
        auto* records = static_cast<ResultRecordOf<decltype(tag)>*>(result);
        for (int i = 0; i < steps; ++i)
            records[i].Reset();
    });
}

void FreeResultByType(void* result, int designType)
{
    if (!result)
        return;
    VisitResultType(designType, [&](auto* tag, int steps) {
        auto* records = static_cast<ResultRecordOf<decltype(tag)>*>(result);
        if (steps == 1)
            delete records;
        else
            delete[] records;
    });
}
