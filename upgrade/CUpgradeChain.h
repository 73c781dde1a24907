#pragma once
#include "platform/core/CDbConnection.h"

#include <QString>

#include <functional>
#include <vector>

// A table of schema steps in chain order and the refresh step that follows every chain, for one
// kind of database and its upgrade context. A step is entered when the stored version lies in
// FirstVersion..LastVersion; every later step follows it. After a step the database is at the next
// step's FirstVersion, after the last one at the current version. A step whose Run is empty is not
// part of this program: a database that would need it is refused before anything is written.
template <class Context> class CUpgradeChain
{
public:
    using Function = std::function<void(Context&)>;

    struct SStep
    {
        int FirstVersion;
        int LastVersion;
        QString Name;
        Function Run;
    };

    // Index of the step entered at the stored version; -1 when no step runs.
    int EntryIndex(int storedVersion) const
    {
        for (int i = 0; i < static_cast<int>(Steps.size()); ++i) {
            if (Steps[i].FirstVersion <= storedVersion && storedVersion <= Steps[i].LastVersion)
                return i;
        }
        return -1;
    }

    // The version a database is at once the step at the index has run.
    int VersionAfter(int index, int currentVersion) const
    {
        if (index + 1 < static_cast<int>(Steps.size()))
            return Steps[index + 1].FirstVersion;
        return currentVersion;
    }

    // Whether every step from the entry on, and the refresh step, can run.
    bool CanUpgradeFrom(int storedVersion) const
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

    // Runs the steps from the one entered at the stored version to the last, each in a transaction
    // of its own on the connection that also records the version reached (writeVersion), so that a
    // failure keeps the steps before it and a later run resumes at the failed one. beforeStep runs
    // first in each step's transaction; the last step's transaction also holds finish and the
    // current version. Without a step to run, finish and the current version make one transaction.
    void Run(Context& context, CDbConnection& connection, int storedVersion, int currentVersion,
             const std::function<void(const SStep&)>& beforeStep, const std::function<void()>& finish,
             const std::function<void(int)>& writeVersion) const
    {
        const int entry = EntryIndex(storedVersion);
        if (entry < 0) {
            CDbTransaction transaction(connection);
            finish();
            writeVersion(currentVersion);
            transaction.Commit();
            return;
        }
        const int count = static_cast<int>(Steps.size());
        for (int i = entry; i < count; ++i) {
            CDbTransaction transaction(connection);
            beforeStep(Steps[i]);
            Steps[i].Run(context);
            if (i + 1 == count)
                finish();
            writeVersion(VersionAfter(i, currentVersion));
            transaction.Commit();
        }
    }

    std::vector<SStep> Steps;
    // Empty: the chain cannot finish.
    Function Refresh;
};
