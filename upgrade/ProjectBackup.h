#pragma once
#include <QString>

class QDateTime;

// Copies the project database file into the folder "Backup" beside it before the file is changed.
//
// With an empty fileName, the rolling backup: "Backup/<yyyyMMddHHmmss>.vlz" from the local time
// (a copy of the same second replaces the earlier one). Afterwards the rolling copies of today and
// of the two most recent earlier days on which copies were made remain; older ones are deleted.
// Only names of that form count as copies: other files in the folder, and copies dated after
// today (the clock was set back), are never deleted.
//
// With a fileName, the full backup "Backup/Full/<fileName>", replacing a file of that name; full
// backups are never deleted.
//
// The copy is complete or absent: an earlier file of the same name is replaced only once the new
// copy is whole. A failed copy raises Exception, telling that the project was not changed; nothing
// is deleted then. A copy that cannot be deleted while thinning out stays.
void BackupProjectFile(const QString& projectPath, const QString& fileName);
// The same with the local time given.
void BackupProjectFile(const QString& projectPath, const QString& fileName, const QDateTime& now);
// The same reporting a failed copy instead of raising: false, with which file could not be copied
// where and why in reason.
bool TryBackupProjectFile(const QString& projectPath, const QString& fileName, const QDateTime& now,
                          QString& reason);
