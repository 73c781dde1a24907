#pragma once
#include <QString>
#include <QStringList>

class CDesktopProgramsBase;

enum class EAccessoryKind : int { TextEditor, Calculator };

// The desktop programs behind "记事本", "计算器" and "面积计算器": the first of the usual programs
// of the kind that the system has is started.
class CAccessoryPrograms
{
public:
    // The programs looked for, in the order of preference.
    static QStringList Candidates(EAccessoryKind kind);
    // Starts the first candidate found, in the working folder. The message to show when none is
    // installed or the one found does not start; empty when it started.
    static QString Start(CDesktopProgramsBase& programs, EAccessoryKind kind, const QString& workingFolder);
};
