#pragma once
#include <QString>

// The program folder: the executable's folder holding System/, lib/, lg/, PlugIn/ and the rest.
// Paths of the Windows program ("System\SysData.dat", "Lib\Report\main.grf") are resolved against
// it with backslashes read as separators and each component matched case-insensitively.
class CProgramFolder
{
public:
    // The folder with a trailing '/'. Defaults to the running executable's folder.
    static QString Path();
    // Used at start-up (the writable copy) and by tests (a generated or temporary folder).
    static void SetPath(const QString& folder);

    // Resolves a program-relative path. Components that exist are matched case-insensitively;
    // from the first one that does not exist on, the components are kept as written.
    static QString Resolve(const QString& relativePath);
    // The same rule below any base folder.
    static QString ResolveIn(const QString& baseFolder, const QString& relativePath);

    // When the executable's folder is not writable (an installed copy), the program works from a
    // copy of its data folders under the per-user data folder, made on first use.
    // False with a message when no writable folder can be had; Path() then names the folder in use.
    static bool PrepareWritable(QString& error);
};
