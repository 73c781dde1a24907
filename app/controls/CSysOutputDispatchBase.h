#pragma once
#include <QString>

// The action of a message line. A click on the line runs Dispatch, or, when HasDetail is true,
// opens the detail window, whose action button (captioned GetButtonText, hidden when that is
// empty) runs Dispatch. The base does nothing and has no detail.
class CSysOutputDispatchBase
{
public:
    virtual ~CSysOutputDispatchBase() = default;

    virtual void Dispatch() {}
    virtual bool HasDetail() const { return false; }
    virtual QString GetButtonText() const { return QString(); }
    virtual QString GetCaption() const { return QString(); }
    virtual QString GetDetailText() const { return QString(); }
};
