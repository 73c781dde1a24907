#pragma once
#include <QString>

class CDbConnection;
class CDbQuery;
class CProjectUpgradeChain;
struct CVersionControl;

// Brings the open project database to the current schema version. The project opening calls it
// right after opening the project connection and before loading anything, with the connection,
// the project query and whether the database was just copied from the new-project template.
//
// Result: 0 load the project (current, or newer but openable by this program); -1 load it, it has
// been upgraded; above 0 refuse it: the lowest schema version the project may be opened with
// (GetProgramVersionText names the program). storedVersion receives the version read before
// anything ran (-1 for a database without tbl_registry).
//
// A database without the project parameter table (an empty file, another program's database) is
// not a project file: refused with Exception before anything is read or written.
//
// Nothing is written into a refused project. Before anything is written into a project the file
// is backed up: a rolling backup for a current project, a full backup before an upgrade. A failed
// full backup raises Exception and the project stays as it was. A failed rolling backup does not
// keep a current project from opening: its reason goes to backupWarning, for the user; without a
// backupWarning it raises as a full backup does. Every opening that is not refused gets
// the standing corrections of output options and default values. Each schema step runs in a
// transaction that also records the version reached, so a failure keeps the steps done before it
// and a later opening resumes there. A project that needs a step this program lacks, or without a
// readable version, is refused with Exception before anything is written. Failed statements raise
// Exception with the statement attached.
int UpgradeProjectDatabase(CDbConnection& projectCon, CDbQuery& query, int& storedVersion, bool newProject,
                           QString* backupWarning = nullptr);
// The same with a chain of its own.
int UpgradeProjectDatabase(CDbConnection& projectCon, CDbQuery& query, int& storedVersion, bool newProject,
                           const CProjectUpgradeChain& chain, QString* backupWarning = nullptr);

// The stored prjversion, or -1 when the database has no tbl_registry. Writes nothing; a
// tbl_registry without a whole-number prjversion raises Exception.
int ReadProjectVersion(CVersionControl& context);

// Release label of a stored version, used in the full backup's name: "3.7" below 43, else "4.0".
QString GetVersionLabel(int version);
// The program that opens a project needing the given version: "4.0.106" for 51, else "最新".
QString GetProgramVersionText(int requiredVersion);

// Adds the calculation-book note options 613 to 616 when option 613 is missing.
void EnsureCalcBookNoteOptions(CVersionControl& context);
