#include "upgrade/CSystemUpgradeChain.h"

#include "upgrade/SystemSchemaSteps.h"

namespace {
CSystemUpgradeChain MakeProgramChain()
{
    using namespace SystemSchemaSteps;
    CSystemUpgradeChain chain;
    const auto add = [&chain](int first, int last, void (*run)(CSystemVersionControl&)) {
        chain.Steps.push_back({first, last, QStringLiteral("Step%1").arg(first), run});
    };
    add(45, 45, Step45);
    add(46, 46, Step46);
    add(47, 47, Step47);
    add(48, 48, Step48);
    add(49, 51, Step49);
    add(52, 52, Step52);
    add(53, 53, Step53);
    add(54, 54, Step54);
    add(55, 55, Step55);
    add(56, 56, Step56);
    chain.Refresh = RefreshSystemDatabase;
    return chain;
}
} // namespace

const CSystemUpgradeChain& CSystemUpgradeChain::Program()
{
    static const CSystemUpgradeChain chain = MakeProgramChain();
    return chain;
}
