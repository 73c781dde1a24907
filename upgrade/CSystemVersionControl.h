#pragma once

class CDbConnection;
class CDbQuery;

// The context of one system upgrade, built by UpgradeSystemDatabase for one call and handed to
// every system step and to the refresh step. Statements run through Query on the system data
// database; SysParamQuery reaches the system parameter database.
struct CSystemVersionControl
{
    CDbQuery& Query;
    CDbConnection& Connection;
    CDbQuery& SysParamQuery;
    CDbConnection& SysParamConnection;
    // The version stored before any step ran; the refresh step judges by it.
    int StoredVersion = 0;
};
