#include "app/TVoro_Main.h"
#include "app/controls/CHistoryManage.h"
#include "app/controls/TCustomHint.h"
#include "app/controls/TSeachForm.h"

#include <QScrollArea>
#include <QTreeWidget>

void TVoro_Main::Action_FindExecute()
{
    if (m_searchForm) {
        delete m_searchForm;
        m_searchForm = nullptr;
        m_searchPanel->hide();
        m_searchScroll->setFixedHeight(2);
        return;
    }
    m_searchForm = new TSeachForm(&m_treeView, m_searchPanel);
    m_searchForm->show();
}

void TVoro_Main::Action_ReViewExecute()
{
    CHistoryManage& history = CHistoryManage::Instance();
    history.SetNavigating(true);
    // The selection shows the node's page, which may raise; the history must not stay deaf.
    struct Done
    {
        CHistoryManage& history;
        ~Done() { history.SetNavigating(false); }
    } done{history};
    if (CTreeItem* item = history.Back())
        m_treeView.Select(item);
}

void TVoro_Main::CloseSearch()
{
    if (m_searchForm) {
        Action_FindExecute();
        return;
    }
    m_searchScroll->setFixedHeight(1);
    m_searchPanel->hide();
    m_searchPanel->move(1, 1);
}

void TVoro_Main::ClearHistory()
{
    CHistoryManage::Instance().Clear();
}

void TVoro_Main::CreateCustomHint()
{
    m_customHint = new TCustomHint(this);
    m_customHint->Attach(m_treeWidget,
                         [this](QTreeWidgetItem* widgetItem) { return TreeItemOf(widgetItem); });
}
