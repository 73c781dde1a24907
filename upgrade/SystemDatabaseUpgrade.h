#pragma once

class CDbConnection;
class CDbQuery;

// Brings "System\SysData.dat" to the current schema version at start-up.
// Returns 0 when the stored version is current, 1 when it is newer (the database is then used
// unchanged), -1 after an upgrade. Failures raise Exception with the statement attached.
int UpgradeSystemDatabase(CDbConnection& sysData, CDbConnection& sysParam, CDbQuery& sysDataQuery,
                          CDbQuery& sysParamQuery);

// The stored version of the system data database; a database without a readable version gets the
// version table at 45, the oldest version the chain knows.
int ReadSystemVersion(CDbQuery& sysDataQuery);

constexpr int CurrentSchemaVersion = 57;
