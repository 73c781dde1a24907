#pragma once
#include <QString>

#include <functional>
#include <vector>

struct CVersionControl;

// The schema steps that bring an older project database to the current version, in chain order,
// and the refresh step that follows every chain and runs for a current project on every opening.
// A step is entered when the stored version lies in FirstVersion..LastVersion; every later step
// follows it. After a step the project is at the next step's FirstVersion, after the last one at
// the current version. A step whose Run is empty is not part of this program yet: a project that
// would need it is refused before anything is written.
// Each step runs in a transaction of the driver, with foreign keys off so that a table can be
// rebuilt without its children losing their rows; a step neither begins nor ends a transaction.
// The refresh step runs in the transaction of the last step (or of the opening of a current
// project) and judges by CVersionControl::StoredVersion.
class CProjectUpgradeChain
{
public:
    using Function = std::function<void(CVersionControl&)>;

    struct SStep
    {
        int FirstVersion;
        int LastVersion;
        QString Name;
        Function Run;
    };

    // Version of a database without tbl_registry: the oldest format, entered at the tree conversion.
    static constexpr int NoRegistryVersion = -1;

    // The program's own chain.
    static const CProjectUpgradeChain& Program();

    // Index of the step entered at the stored version; -1 when no step runs (0 to 20, below -1,
    // the current version and above).
    int EntryIndex(int storedVersion) const;
    // The version a project is at once the step at the index has run.
    int VersionAfter(int index) const;
    // Whether every step from the entry on, and the refresh step, can run.
    bool CanUpgradeFrom(int storedVersion) const;

    std::vector<SStep> Steps;
    // Empty: nothing is refreshed (a current project then opens unchanged by it).
    Function Refresh;
};
