#pragma once
#include "calc/ResultByType.h"
#include "platform/core/CCurrent.h"

#include <deque>

// The result-record pool of one command: spare records of the run's design type, handed to the
// holders of the calculation structure and taken back, so that a run over many rooms reuses a few
// records instead of allocating one per room. It keeps at most MaxSpare spares (first in, first
// out); a record given back beyond that is freed. Registered as the current pool while it lives;
// the command creates it before the calculation and destroys it after.
class CCalResultBuffer : public CCurrent<CCalResultBuffer>
{
public:
    static constexpr const char* SlotName = "CCalResultBuffer";
    static constexpr int MaxSpare = 100;

    // The pool serves the design type given, by default the one current now, for its whole life.
    explicit CCalResultBuffer(int designType = CurrentDesignType());
    // Frees every spare record.
    ~CCalResultBuffer();

    // The current pool, or null.
    static CCalResultBuffer* GetCurrent();

    // Gives the holder a record in Reset state: its own record reset when it has one of the pool's
    // design type (one of another type is freed), else the spare given back longest ago, else a
    // new one.
    void AcquireResult(void*& result);
    // Takes a record back (the holder clears its pointer). Null, or a record already spare, is
    // ignored; a record of another design type is freed.
    void ReleaseResult(void* result);

    int DesignType() const { return m_designType; }
    int SpareCount() const { return static_cast<int>(m_spare.size()); }

private:
    int m_designType;
    std::deque<void*> m_spare;
};
