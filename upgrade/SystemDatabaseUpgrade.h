#pragma once

class CDbConnection;
class CDbQuery;
class CSystemUpgradeChain;

// Brings "System\SysData.dat" to the current schema version at start-up.
// Returns 0 when the stored version is current, 1 when it is newer (the database is then used
// unchanged and nothing is written), -1 after an upgrade. An older database gets the opening
// corrections, the steps from its version on, the closing correction, the refresh step and the
// current version. Each step runs in a transaction that also records the version reached, so a
// failure keeps the steps done before it and the next start resumes there. Failures raise
// Exception with the statement attached; a step that misses a file of the program folder raises
// "系统找不到配置文件\n<path>".
int UpgradeSystemDatabase(CDbConnection& sysData, CDbConnection& sysParam, CDbQuery& sysDataQuery,
                          CDbQuery& sysParamQuery);
// The same with a chain of its own.
int UpgradeSystemDatabase(CDbConnection& sysData, CDbConnection& sysParam, CDbQuery& sysDataQuery,
                          CDbQuery& sysParamQuery, const CSystemUpgradeChain& chain);

// The stored version of the system data database; a database without a readable version gets the
// version table at 45, the oldest version the chain knows.
int ReadSystemVersion(CDbQuery& sysDataQuery);

constexpr int CurrentSchemaVersion = 57;
