#pragma once

class CDbConnection;

// Databases at older schema versions for the upgrade tests and benchmarks, made from databases at
// the current version by undoing what each schema step adds, from the last step down to the one
// that the target version enters. What a step adds is taken from the step table of the upgrade
// (columns, rows, keys, name references), so an older database holds exactly what the chain
// expects to find; the rows of the current database survive in the old form (names instead of
// IDs, the old tree table).
class COldSchema
{
public:
    // A project database at the version: -1 for the oldest format (no tbl_registry, the tree in
    // TreeData), or 21 to 56.
    static void DowngradeProject(CDbConnection& project, int version);
    // A system data database at 45 to 56 (the system parameter database loses the element
    // name that step 46 writes).
    static void DowngradeSystem(CDbConnection& sysData, CDbConnection& sysParam, int version);
};
