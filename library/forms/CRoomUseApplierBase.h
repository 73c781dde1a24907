#pragma once
#include "platform/core/CCurrent.h"

#include <QStringList>

// Opens the dialog that applies a room use of the project library to the project's rooms, with the
// given columns ticked. The room-use record frame reaches the dialog through this: the dialog lives
// with the bulk-editing windows above the library windows. Registered as Current() while it lives.
class CRoomUseApplierBase : public CCurrent<CRoomUseApplierBase>
{
public:
    static constexpr const char* SlotName = "CRoomUseApplierBase";
    virtual ~CRoomUseApplierBase() = default;

    // Modal; returns when the dialog has closed.
    virtual void Run(int useId, const QStringList& tickedFields) = 0;
};
