#pragma once
#include "app/controls/CSysOutputViewBase.h"

#include <QWidget>

class CSysOutputManage;
class QAction;
class QListView;
class QMenu;
class QModelIndex;
class QTabBar;
class TSysOutputListModel;

// The message panel under the tree and the property page: the list box SysOutputInfoListBox
// (multiple selection) over the tab row TabSet1, one tab per message category. It shows a
// CSysOutputManage and binds itself to it for its lifetime. A click on a line runs the line's
// action (or opens its detail window); while the search tab is shown the list box carries the
// search-hit menu PopupMenu4.
class TSysOutputPanel : public QWidget, public CSysOutputViewBase
{
    Q_OBJECT
public:
    explicit TSysOutputPanel(CSysOutputManage& manage, QWidget* parent = nullptr);
    ~TSysOutputPanel() override;

    CSysOutputManage& Manage() const { return m_manage; }

    // Shows the category's lines and makes its tab the current one.
    void ShowCategory(int category);

    // The submenu "清除信息" of the status bar's tool menu: "所有信息", a separator, then one item
    // per category; each clears its category (its tag, -1 for all). The caller owns the menu.
    QMenu* CreateClearMenu(QWidget* parent);

    // Handlers, public for the main window's menus and for tests.
    void SysOutputInfoListBoxClick();
    void TabSet1Change(int newTab);
    void N18Click(int category);
    void N32Click();
    void N34Click(int tag);
    void N33Click();

    QListView* SysOutputInfoListBox;
    QTabBar* TabSet1;
    QMenu* PopupMenu4;

    // CSysOutputViewBase
    void RowsAppended(int first, int last) override;
    void RowRemoved(int index) override;
    void RowsReset(bool selectLast) override;
    void TabCaptionsChanged() override;

private:
    // Line indices of the selected rows, ascending.
    QList<int> SelectedRows() const;
    void OnContextMenu(const QPoint& pos);
    void QueueCurrent(int row);
    void ApplyPendingCurrent();

    CSysOutputManage& m_manage;
    TSysOutputListModel* m_model;
    int m_pendingCurrent = -1;
    bool m_currentQueued = false;
};
