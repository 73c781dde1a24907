#pragma once
#include "library/forms/CRoomUseApplierBase.h"

// Applies a room use through the dialog "将房间用途应用到工程" (TTChangeUseForm).
class CRoomUseApplier : public CRoomUseApplierBase
{
public:
    void Run(int useId, const QStringList& tickedFields) override;
};
