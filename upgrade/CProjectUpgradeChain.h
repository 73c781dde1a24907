#pragma once
#include "upgrade/CUpgradeChain.h"
#include "upgrade/CVersionControl.h"

// The schema steps that bring an older project database to the current version, and the refresh
// step that follows every chain and runs for a current project on every opening.
// Each step runs in a transaction of the driver, with foreign keys off so that a table can be
// rebuilt without its children losing their rows; a step neither begins nor ends a transaction.
// The refresh step runs in the transaction of the last step (or of the opening of a current
// project) and judges by CVersionControl::StoredVersion.
class CProjectUpgradeChain : public CUpgradeChain<CVersionControl>
{
public:
    // Version of a database without tbl_registry: the oldest format, entered at the tree conversion.
    static constexpr int NoRegistryVersion = -1;

    // The program's own chain.
    static const CProjectUpgradeChain& Program();
};
