#include "upgrade/CProjectUpgradeChain.h"

#include "upgrade/SystemDatabaseUpgrade.h"

namespace {
CProjectUpgradeChain MakeProgramChain()
{
    CProjectUpgradeChain chain;
    // The schema steps fill in Run as they become part of the program; 53 and 54 share a step, as
    // do 55 and 56.
    chain.Steps.push_back({CProjectUpgradeChain::NoRegistryVersion,
                           CProjectUpgradeChain::NoRegistryVersion,
                           QStringLiteral("TreeConversion"),
                           {}});
    for (int version = 21; version <= 52; ++version)
        chain.Steps.push_back({version, version, QStringLiteral("Step%1").arg(version), {}});
    chain.Steps.push_back({53, 54, QStringLiteral("Step53"), {}});
    chain.Steps.push_back({55, 56, QStringLiteral("Step55"), {}});
    return chain;
}
} // namespace

const CProjectUpgradeChain& CProjectUpgradeChain::Program()
{
    static const CProjectUpgradeChain chain = MakeProgramChain();
    return chain;
}

int CProjectUpgradeChain::EntryIndex(int storedVersion) const
{
    for (int i = 0; i < static_cast<int>(Steps.size()); ++i) {
        if (Steps[i].FirstVersion <= storedVersion && storedVersion <= Steps[i].LastVersion)
            return i;
    }
    return -1;
}

int CProjectUpgradeChain::VersionAfter(int index) const
{
    if (index + 1 < static_cast<int>(Steps.size()))
        return Steps[index + 1].FirstVersion;
    return CurrentSchemaVersion;
}

bool CProjectUpgradeChain::CanUpgradeFrom(int storedVersion) const
{
    if (!Refresh)
        return false;
    const int entry = EntryIndex(storedVersion);
    if (entry < 0)
        return true;
    for (int i = entry; i < static_cast<int>(Steps.size()); ++i) {
        if (!Steps[i].Run)
            return false;
    }
    return true;
}
