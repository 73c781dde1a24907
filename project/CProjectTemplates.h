#pragma once
#include <QString>
#include <QStringList>

// The project templates: rows of ModuleData (Name, Date) in "System\SysParam.dat" and one byte
// copy of a project database per row in the program folder's "Module" folder. Works on the
// Module query of the program-wide TDM_SysParam; failing queries raise the database exception.
class CProjectTemplates
{
public:
    // The template file of the name (program folder, "Module", name + ".MDU").
    static QString FileOf(const QString& name);
    // The template names whose files exist, each once, in table order. Rows whose file is gone
    // are deleted from ModuleData for good.
    static QStringList List();
    // Whether ModuleData holds a row of that name (the database's own text comparison).
    static bool Exists(const QString& name);
    // Registers the name (as typed) and copies the database file to its template file, replacing
    // one of that name. False, with the user told, when the "Module" folder cannot be made; false
    // with message set when the copy fails (the row is then not kept).
    static bool Make(const QString& name, const QString& projectFile, QString& message);
};
