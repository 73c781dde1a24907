#pragma once
#include <array>
#include <deque>
#include <memory>

class CElementBase;

// A new element object of the type code (0..30), with its class's constructor defaults; null for
// any other code.
std::unique_ptr<CElementBase> CreateElementObject(int type);

// Spare element objects per element type, for the whole run of the program: loading an element
// takes one instead of constructing it, dropping it gives it back. At most MaxSpare objects of
// each type are kept (first in, first out); one given back beyond that is deleted.
class CEleObjBuffer
{
public:
    static constexpr int TypeCount = 31;
    static constexpr int MaxSpare = 100;

    CEleObjBuffer();
    ~CEleObjBuffer();
    CEleObjBuffer(const CEleObjBuffer&) = delete;
    CEleObjBuffer& operator=(const CEleObjBuffer&) = delete;

    // The program's pool.
    static CEleObjBuffer& Instance();

    // The spare object given back longest ago, still holding the values of its last use (the
    // caller loads its row), or a new one; null for a type outside 0..30. A spare object is bound
    // to no tree node and to the open project's element query.
    std::unique_ptr<CElementBase> AcquireElement(int type);
    // Keeps the object as a spare of its own type, unbound from its tree node; deleted when that
    // type already has MaxSpare spares or its type is outside 0..30. Null is ignored.
    void ReleaseElement(std::unique_ptr<CElementBase> element);

    int SpareCount(int type) const;

private:
    std::array<std::deque<std::unique_ptr<CElementBase>>, TypeCount> m_spare;
};
