#pragma once
#include <QString>
#include <functional>

// "合并工程": merges another project into the open one through the merge library. The project
// file is copied to its backup (the path up to its last "." followed by "temp"), the database
// closed, the merge called; a merge that fails (no library, no export, a result of 0) has the
// file restored from the backup byte for byte and "工程合并失败!!!" shown. Then the backup goes,
// the database is reopened and the default values, project parameters and tree are reloaded and
// shown. The merge library is outside this program: without it every merge fails, and says so.
class CProjectMerge
{
public:
    // Given the path of the closed project file, changes it in place; false when the merge failed.
    using Merger = std::function<bool(const QString& projectPath)>;

    // The library "libMergerPrj.so" of the program folder or the system's library path, export
    // MergePrj(const char** path), a non-zero result meaning success.
    static bool MergeWithLibrary(const QString& projectPath);
    // The backup of a project file: D:/P/A.VLZ gives D:/P/A.temp; a path without "." its first
    // character followed by "temp".
    static QString BackupPath(const QString& projectPath);

    // Runs the command on the open project; false when the merge failed (the project is then
    // open as it was). A failure to reopen raises the database layer's exception.
    static bool Run(const Merger& merger = &MergeWithLibrary);
};
