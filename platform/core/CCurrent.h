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
        return *s_current;
    }

protected:
    CCurrent() { s_current = static_cast<T*>(this); }
    ~CCurrent()
    {
        if (s_current == static_cast<T*>(this))
            s_current = nullptr;
    }
    CCurrent(const CCurrent&) = delete;
    CCurrent& operator=(const CCurrent&) = delete;

private:
    static inline T* s_current = nullptr;
};
