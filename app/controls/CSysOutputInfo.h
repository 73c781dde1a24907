#pragma once
#include "app/controls/CSysOutputDispatchBase.h"

#include <QString>
#include <memory>

// One line of the message panel: the text as shown and the line's action, owned by the line.
struct CSysOutputInfo
{
    QString text;
    std::unique_ptr<CSysOutputDispatchBase> action;
};
