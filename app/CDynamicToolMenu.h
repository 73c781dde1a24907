#pragma once
#include <QList>
#include <QString>

class QMenu;

// The user's own programs of "CustomTool/Param.ini" as entries of the sub-menu "自定义工具": [Tools]
// Count gives the sections [1]..[Count], each with Name and EXEPATH, where "[TOOLPATH]" stands for
// the CustomTool folder (no trailing slash). A section without a name or whose program file does
// not exist is left out. An entry shows the program's icon, carries its path as hint and starts
// it detached when chosen; nothing is said when it cannot be started.
class CDynamicToolMenu
{
public:
    struct STool
    {
        QString Name;
        QString Path;
    };

    // The tools of the program folder's CustomTool/Param.ini, in section order.
    static QList<STool> ReadTools();
    // Adds one entry per tool at the end of the menu.
    explicit CDynamicToolMenu(QMenu* parent);
    // Starts the program named by the entry's hint.
    static void ToolItemClick(const QString& hint);
};
