#include "calc/CCalResultBuffer.h"

#include <algorithm>

CCalResultBuffer::CCalResultBuffer(int designType) : m_designType(designType) {}

CCalResultBuffer::~CCalResultBuffer()
{
    while (!m_spare.empty()) {
        FreeResultByType(m_spare.back(), m_designType);
        m_spare.pop_back();
    }
}

CCalResultBuffer* CCalResultBuffer::GetCurrent()
{
    return Exists() ? &Current() : nullptr;
}

void CCalResultBuffer::AcquireResult(void*& result)
{
    if (result) {
        ResetResultByType(result, m_designType);
        return;
    }
    if (m_spare.empty()) {
        AllocResultByType(result, m_designType);
        return;
    }
    result = m_spare.front();
    m_spare.pop_front();
    ResetResultByType(result, m_designType);
}

void CCalResultBuffer::ReleaseResult(void* result)
{
    // A record given back twice would be handed to two holders and freed twice.
    if (!result || std::find(m_spare.begin(), m_spare.end(), result) != m_spare.end())
        return;
    if (SpareCount() >= MaxSpare)
        FreeResultByType(result, m_designType);
    else
        m_spare.push_back(result);
}
