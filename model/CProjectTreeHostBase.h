#pragma once
#include <QString>

class CNodeTreeView;

// What the project tree needs of the program around it: the main window's tree view, the current
// design type's choice of element types, the open property page and the desktop. The program
// installs one with CTreeView2DB::SetHost; tests install a fake.
class CProjectTreeHostBase
{
public:
    virtual ~CProjectTreeHostBase() = default;

    // The main window's project tree (TreeView1); null when there is none.
    virtual CNodeTreeView* MainTreeView() = 0;
    // Whether the current design type shows nodes of the element type.
    virtual bool IsElementTypeUsed(int type) = 0;
    // Hides and forgets the open property page: the selected node is being deleted.
    virtual void HideOpenPage() = 0;
    // Hides the open page and refills the main tree view from the node tree, binding its items.
    virtual void ReloadTreeView() = 0;
    // Opens a file with the desktop's program for it (the tree log).
    virtual void OpenWithShell(const QString& path) = 0;
};
