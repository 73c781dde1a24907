#include "calc/ResultByType.h"

#include "calc/ResultDispatch.h"
#include "model/CProjectData.h"

#include <cstddef>
#include <new>

namespace {
// Kept in front of the records of one allocation: how to reset and free them.
struct ResultBlockHeader
{
    int DesignType;
    int Steps;
    void (*Reset)(void* records, int steps);
    void (*Destroy)(void* records, int steps);
};

// Records start at the next boundary after the header that suits any record class.
constexpr std::size_t kRecordOffset =
    (sizeof(ResultBlockHeader) + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) *
    alignof(std::max_align_t);

char* BlockOf(const void* records)
{
    return static_cast<char*>(const_cast<void*>(records)) - kRecordOffset;
}

const ResultBlockHeader& HeaderOf(const void* records)
{
    return *std::launder(reinterpret_cast<const ResultBlockHeader*>(BlockOf(records)));
}

template <typename Record> void ResetRecords(void* records, int steps)
{
    auto* typed = static_cast<Record*>(records);
    for (int i = 0; i < steps; ++i)
        typed[i].Reset();
}

template <typename Record> void DestroyRecords(void* records, int steps)
{
    auto* typed = static_cast<Record*>(records);
    for (int i = steps - 1; i >= 0; --i)
        typed[i].~Record();
}

template <typename Record> void* NewBlock(int designType, int steps)
{
    static_assert(alignof(Record) <= alignof(std::max_align_t));
    char* block = static_cast<char*>(::operator new(kRecordOffset + sizeof(Record) * steps));
    Record* records = reinterpret_cast<Record*>(block + kRecordOffset);
    int built = 0;
    try {
        for (; built < steps; ++built)
            new (records + built) Record;
    } catch (...) {
        DestroyRecords<Record>(records, built);
        ::operator delete(block);
        throw;
    }
    new (block) ResultBlockHeader{designType, steps, &ResetRecords<Record>, &DestroyRecords<Record>};
    return records;
}
} // namespace

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
        result = NewBlock<ResultRecordOf<decltype(tag)>>(designType, steps);
    });
}

int ResultDesignType(const void* result)
{
    return result ? HeaderOf(result).DesignType : -1;
}

void ResetResultByType(void* result)
{
    if (!result)
        return;
    const ResultBlockHeader& header = HeaderOf(result);
    header.Reset(result, header.Steps);
}

void FreeResultByType(void* result)
{
    if (!result)
        return;
    const ResultBlockHeader& header = HeaderOf(result);
    header.Destroy(result, header.Steps);
    ::operator delete(BlockOf(result));
}
