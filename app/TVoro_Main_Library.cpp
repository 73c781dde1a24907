#include "app/TVoro_Main.h"

#include "library/forms/TTLibManageForm.h"

#include <QAction>

void TVoro_Main::Action_OutsidWallExecute(QAction* sender)
{
    if (!sender)
        return;
    CommitCurrentEditor();
    {
        TTLibManageForm form(this);
        form.SetLibraryKind(sender->data().toInt());
        form.exec();
    }
    RefreshSelectedPage();
}
