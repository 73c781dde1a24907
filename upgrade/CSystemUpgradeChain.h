#pragma once
#include "upgrade/CSystemVersionControl.h"
#include "upgrade/CUpgradeChain.h"

// The steps that bring an older "System\SysData.dat" to the current version, and the refresh step
// that follows every chain. Each step runs in a transaction of the driver on the system data
// database, which also records the version reached; the refresh step runs in the last step's
// transaction (or alone when no step applies) and judges by CSystemVersionControl::StoredVersion.
class CSystemUpgradeChain : public CUpgradeChain<CSystemVersionControl>
{
public:
    // The program's own chain: steps 45 to 56 (49 entered at 49, 50 and 51).
    static const CSystemUpgradeChain& Program();
};
