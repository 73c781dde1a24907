#include "upgrade/CProjectUpgradeChain.h"

#include "upgrade/ProjectSchemaSteps.h"

namespace {
CProjectUpgradeChain MakeProgramChain()
{
    using namespace ProjectSchemaSteps;
    CProjectUpgradeChain chain;
    const auto add = [&chain](int first, int last, const QString& name, CProjectUpgradeChain::Function run) {
        chain.Steps.push_back({first, last, name, std::move(run)});
    };
    add(CProjectUpgradeChain::NoRegistryVersion, CProjectUpgradeChain::NoRegistryVersion,
        QStringLiteral("TreeConversion"), TreeConversion);
    const std::vector<void (*)(CVersionControl&)> steps{
        Step21, Step22, Step23, Step24, Step25, Step26, Step27, Step28, Step29, Step30, Step31,
        Step32, Step33, Step34, Step35, Step36, Step37, Step38, Step39, Step40, Step41, Step42,
        Step43, Step44, Step45, Step46, Step47, Step48, Step49, Step50, Step51, Step52};
    for (int i = 0; i < static_cast<int>(steps.size()); ++i)
        add(21 + i, 21 + i, QStringLiteral("Step%1").arg(21 + i), steps[i]);
    // 53 and 54 share a step, as do 55 and 56.
    add(53, 54, QStringLiteral("Step53"), Step53);
    add(55, 56, QStringLiteral("Step55"), Step55);
    chain.Refresh = RefreshProjectDatabase;
    return chain;
}
} // namespace

const CProjectUpgradeChain& CProjectUpgradeChain::Program()
{
    static const CProjectUpgradeChain chain = MakeProgramChain();
    return chain;
}
