#pragma once
#include <QString>
#include <QStringList>

// The project templates: rows of ModuleData (Name, Date) in "System\SysParam.dat" and one byte
// copy of a project database per row in the program folder's "Module" folder. Works on the
// Module query of the program-wide TDM_SysParam; failing queries raise the database exception.
class CProjectTemplates
{
public:
    // Why the name cannot name a template file (it is blank, holds a folder separator or a
    // control character, or is "." or ".."), for the user; empty when it can.
    static QString NameProblem(const QString& name);
    // The template file of the name (program folder, "Module", name + ".MDU"); empty for a name
    // that NameProblem refuses, so that no name reaches a file outside "Module".
    static QString FileOf(const QString& name);
    // The template names whose files exist, each once, in table order. Rows whose file is gone
    // are deleted from ModuleData for good.
    static QStringList List();
    // Whether ModuleData holds a row of that name (the database's own text comparison).
    static bool Exists(const QString& name);
    // Registers the name (as typed) and copies the database file to its template file, replacing
    // one of that name. False, with the user told, when the "Module" folder cannot be made; false
    // with message set when NameProblem refuses the name or the copy fails (no row is kept then).
    static bool Make(const QString& name, const QString& projectFile, QString& message);
};
