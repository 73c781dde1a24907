#pragma once

class CDbConnection;
class CDbQuery;

// The context of one project upgrade, built by UpgradeProjectDatabase on its stack and handed to
// every schema step and to the refresh step. Statements run through Query; Connection is there for
// a step that needs a second query of its own.
struct CVersionControl
{
    CDbQuery& Query;
    CDbConnection& Connection;
    // The database was copied from the new-project template just before this opening.
    bool NewProject = false;
    // The version stored when the project was opened, before any step ran; -1 when the database
    // had no tbl_registry. Steps write the version as they go, so the refresh step must judge by
    // this value, not by the registry.
    int StoredVersion = 0;
};
