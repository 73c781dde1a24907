#pragma once
#include "platform/core/Exception.h"

// A program-wide "current" slot for objects of which one is active at a time (the tool object,
// the data modules, later the run buffers). Constructing a T registers it; destroying it clears
// the slot when it still holds it. Deep code reaches the active one through Current().
template <typename T>
class CCurrent
{
public:
    static bool Exists() { return s_current != nullptr; }
    // Raises Exception when none is active.
    static T& Current()
    {
        if (!s_current)
            throw Exception(QStringLiteral("程序对象%1尚未创建").arg(QString::fromLatin1(T::SlotName)));
        return static_cast<T&>(*s_current);
    }

protected:
    // The slot holds the base: T is not built yet here, nor any longer in the destructor, so the
    // cast to T waits until someone asks for it.
    CCurrent() { s_current = this; }
    ~CCurrent()
    {
        if (s_current == this)
            s_current = nullptr;
    }
    CCurrent(const CCurrent&) = delete;
    CCurrent& operator=(const CCurrent&) = delete;

private:
    static inline CCurrent* s_current = nullptr;
};
