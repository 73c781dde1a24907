#pragma once
#include <functional>

class CPlug;
class CQORReport;
class QObject;

// A plug-in run from the main window's plug-in menus: with the command's node buffer, result pool
// and progress window "负荷计算" (which the host data functions' calculations use), the plug-in is
// told it runs from the main window (1), its Config may cancel, then its report is previewed or,
// without GetReport, its Exe is called; a stop asked for before that skips both.
class CPlugRunner
{
public:
    // False when Config cancelled the run.
    static bool Run(CPlug& plug, QObject* owner, const std::function<void(CQORReport&)>& preview);
};
