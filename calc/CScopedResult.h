#pragma once
#include "calc/ResultByType.h"

// A result record (or array of step records) of one design type owned by a command, freed however
// the command ends.
class CScopedResult
{
public:
    explicit CScopedResult(int designType) { AllocResultByType(m_result, designType); }
    ~CScopedResult() { FreeResultByType(m_result); }
    CScopedResult(const CScopedResult&) = delete;
    CScopedResult& operator=(const CScopedResult&) = delete;

    void* Get() const { return m_result; }
    template <typename Record> Record& As() const { return *static_cast<Record*>(m_result); }

private:
    void* m_result = nullptr;
};
