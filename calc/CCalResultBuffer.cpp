#include "calc/CCalResultBuffer.h"

#include <algorithm>

CCalResultBuffer::CCalResultBuffer(int designType) : m_designType(designType) {}

CCalResultBuffer::~CCalResultBuffer()
{
    while (!m_spare.empty()) {
        FreeResultByType(m_spare.back());
        m_spare.pop_back();
    }
}

CCalResultBuffer* CCalResultBuffer::GetCurrent()
{
    return Exists() ? &Current() : nullptr;
}

void CCalResultBuffer::AcquireResult(void*& result)
{
    if (result && ResultDesignType(result) == m_designType) {
        ResetResultByType(result);
        return;
    }
    FreeResultByType(result);
    result = nullptr;
    if (m_spare.empty()) {
        AllocResultByType(result, m_designType);
        return;
    }
    result = m_spare.front();
    m_spare.pop_front();
    ResetResultByType(result);
}

void CCalResultBuffer::ReleaseResult(void* result)
{
    // A record given back twice would be handed to two holders and freed twice.
    if (!result || std::find(m_spare.begin(), m_spare.end(), result) != m_spare.end())
        return;
    // A record of another design type would be handed out later as the wrong shape.
    if (SpareCount() >= MaxSpare || ResultDesignType(result) != m_designType)
        FreeResultByType(result);
    else
        m_spare.push_back(result);
}
