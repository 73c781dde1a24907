#include "app/TVoro_Main.h"
#include "app/TProjectTreeDelegate.h"
#include "app/controls/ModalResult.h"
#include "bulk/TStorey_Room_Form.h"

#include "model/CNodeClipboard.h"
#include "model/CNodeData.h"
#include "model/CNodeStateKeep.h"
#include "model/CTreeItem.h"
#include "platform/core/CCutomProgres.h"
#include "platform/core/CTool.h"
#include "project/CSystemGlobalData.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>
#include <QTreeWidget>

namespace {
constexpr int kItemRole = Qt::UserRole + 1;

QLineEdit* FocusedEditor()
{
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

qint64 NowMs()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}
} // namespace

// --- mirror of the core tree view

CTreeItem* TVoro_Main::TreeItemOf(QTreeWidgetItem* widgetItem) const
{
    return widgetItem ? reinterpret_cast<CTreeItem*>(widgetItem->data(0, kItemRole).value<quintptr>())
                      : nullptr;
}

void TVoro_Main::ItemAdded(CTreeItem* item)
{
    ++m_mirroring;
    QTreeWidgetItem* parent = item->Parent() ? m_widgetItems.value(item->Parent()) : nullptr;
    auto* widgetItem = new QTreeWidgetItem;
    widgetItem->setData(0, kItemRole, QVariant::fromValue(reinterpret_cast<quintptr>(item)));
    if (parent)
        parent->addChild(widgetItem);
    else
        m_treeWidget->addTopLevelItem(widgetItem);
    m_widgetItems.insert(item, widgetItem);
    --m_mirroring;
}

void TVoro_Main::ForgetWidgetItems(CTreeItem* item)
{
    m_widgetItems.remove(item);
    for (int i = 0; i < item->Count(); ++i)
        ForgetWidgetItems(item->Item(i));
}

void TVoro_Main::ItemRemoving(CTreeItem* item)
{
    ++m_mirroring;
    QTreeWidgetItem* widgetItem = m_widgetItems.value(item);
    ForgetWidgetItems(item);
    delete widgetItem;
    --m_mirroring;
}

void TVoro_Main::ItemsCleared()
{
    ++m_mirroring;
    m_widgetItems.clear();
    m_treeWidget->clear();
    --m_mirroring;
}

void TVoro_Main::ItemRenamed(CTreeItem* item)
{
    ++m_mirroring;
    if (QTreeWidgetItem* widgetItem = m_widgetItems.value(item))
        widgetItem->setText(0, item->Text());
    --m_mirroring;
    // The selected node's path names it and its ancestors, whatever renamed them.
    CTreeItem* selected = m_treeView.Selected();
    for (CTreeItem* up = selected; up; up = up->Parent()) {
        if (up == item) {
            ShowSelectedPath();
            break;
        }
    }
}

void TVoro_Main::ItemImageChanged(CTreeItem* item)
{
    ++m_mirroring;
    if (QTreeWidgetItem* widgetItem = m_widgetItems.value(item)) {
        // An idle element is shown grey until the element images exist.
        widgetItem->setForeground(0, item->IsActive()
                                         ? m_treeWidget->palette().text()
                                         : m_treeWidget->palette().brush(QPalette::Disabled, QPalette::Text));
        widgetItem->setToolTip(0, item->IsActive() ? QString() : QStringLiteral("闲置"));
        widgetItem->setData(0, TProjectTreeDelegate::IdleRole, !item->IsActive());
    }
    --m_mirroring;
    // However the selected node became idle or active, its commands and page follow at once.
    if (item == m_treeView.Selected()) {
        UpdateNodeActions(item);
        EnablePageControls(item->IsActive());
    }
}

void TVoro_Main::ItemExpanded(CTreeItem* item)
{
    ++m_mirroring;
    if (QTreeWidgetItem* widgetItem = m_widgetItems.value(item))
        widgetItem->setExpanded(true);
    --m_mirroring;
}

void TVoro_Main::SelectionChanged(CTreeItem* item)
{
    ++m_mirroring;
    QTreeWidgetItem* widgetItem = item ? m_widgetItems.value(item) : nullptr;
    m_treeWidget->setCurrentItem(widgetItem);
    if (widgetItem)
        m_treeWidget->scrollToItem(widgetItem);
    --m_mirroring;
    if (item)
        TreeView1Change(item);
    else
        ShowNoSelection();
}

void TVoro_Main::UpdateBegun()
{
    m_treeWidget->setUpdatesEnabled(false);
}

void TVoro_Main::UpdateEnded()
{
    if (m_treeView.UpdateDepth() == 0)
        m_treeWidget->setUpdatesEnabled(true);
}

void TVoro_Main::OnWidgetCurrentChanged(QTreeWidgetItem* current)
{
    if (m_mirroring)
        return;
    CTreeItem* item = TreeItemOf(current);
    if (item && item != m_treeView.Selected())
        m_treeView.Select(item);
}

void TVoro_Main::OnWidgetItemExpanded(QTreeWidgetItem* widgetItem, bool expanded)
{
    if (m_mirroring || !expanded)
        return;
    if (CTreeItem* item = TreeItemOf(widgetItem); item && !item->Expanded()) {
        ++m_mirroring;
        m_treeView.Expand(item);
        --m_mirroring;
    }
}

void TVoro_Main::OnWidgetItemChanged(QTreeWidgetItem* widgetItem)
{
    if (m_mirroring || !m_renaming)
        return;
    CTreeItem* item = TreeItemOf(widgetItem);
    if (!item)
        return;
    QString text = widgetItem->text(0);
    TreeView1Edited(item, text);
    ++m_mirroring;
    widgetItem->setText(0, text);
    widgetItem->setFlags(widgetItem->flags() & ~Qt::ItemIsEditable);
    --m_mirroring;
}

// --- events

bool TVoro_Main::eventFilter(QObject* watched, QEvent* event)
{
    if (m_treeWidget && watched == m_treeWidget->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            TreeView1Click();
            const bool placing =
                mouse->button() == Qt::LeftButton && m_actionState.CurrentElementTool() != -1;
            if (mouse->button() == Qt::RightButton || placing) {
                TreeView1MouseDown(mouse->button(), mouse->position().toPoint());
                return true;
            }
            break;
        }
        case QEvent::MouseMove:
            TreeView1MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::MouseButtonDblClick:
            TreeView1DblClick(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        default:
            break;
        }
    } else if (m_treeWidget && watched == m_treeWidget && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (FormKeyDown(key->key(), key->modifiers()))
            return true;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !m_renaming) {
            TreeView1KeyPress(13);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TVoro_Main::TreeView1MouseDown(Qt::MouseButton button, const QPoint& pos)
{
    CTreeItem* item = TreeItemOf(m_treeWidget->itemAt(pos));
    if (button == Qt::LeftButton) {
        const int tool = m_actionState.CurrentElementTool();
        if (tool == -1)
            return;
        if (item)
            AddElementUnderNode(item, tool);
        ElementToolClick(-1);
    } else if (button == Qt::RightButton) {
        ElementToolClick(-1);
        if (!item)
            return;
        m_treeView.Select(item);
        const QRect rect = m_treeWidget->visualItemRect(m_widgetItems.value(item));
        m_treePopup->popup(m_treeWidget->viewport()->mapToGlobal(rect.bottomLeft()));
    }
}

void TVoro_Main::TreeView1MouseMove(const QPoint& pos)
{
    Qt::CursorShape shape = Qt::ArrowCursor;
    const int tool = m_actionState.CurrentElementTool();
    if (tool != -1) {
        if (CTreeItem* item = TreeItemOf(m_treeWidget->itemAt(pos)))
            shape = CSystemGlobalData::CanAddElement(item, tool) ? Qt::DragCopyCursor : Qt::ForbiddenCursor;
    }
    m_treeWidget->viewport()->setCursor(shape);
}

void TVoro_Main::TreeView1DblClick(const QPoint& pos)
{
    // Selecting is the tree's own; renaming is reached through "更名" and the Enter key.
    if (CTreeItem* item = TreeItemOf(m_treeWidget->itemAt(pos)))
        m_treeView.Select(item);
}

void TVoro_Main::TreeView1KeyPress(int key)
{
    if (key == 13)
        StartRename();
}

void TVoro_Main::TreeView1Click()
{
    // Any click ends the permission to edit labels; an open editor commits as it loses the focus.
    m_treeWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void TVoro_Main::StartRename()
{
    CTreeItem* item = m_treeView.Selected();
    QTreeWidgetItem* widgetItem = item ? m_widgetItems.value(item) : nullptr;
    if (m_renaming || !widgetItem)
        return;
    m_renaming = true;
    ++m_mirroring;
    widgetItem->setFlags(widgetItem->flags() | Qt::ItemIsEditable);
    --m_mirroring;
    m_treeWidget->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_treeWidget->editItem(widgetItem);
}

void TVoro_Main::TreeView1Edited(CTreeItem* item, QString& text)
{
    m_renaming = false;
    m_treeWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    if (!item || !item->Node() || text == item->Text())
        return;
    if (item->Node()->RenameNode(text)) {
        SetPathCaption(CSystemGlobalData::GetTreePath(item));
        return;
    }
    CTool::Current().ShowMessageBox(
        QStringLiteral("更名失败"),
        QStringLiteral("请重新输入\n命名限制:1,不能含有~和@字符 2，在12个汉字长度内 "
                       "3，不可重名 4，不能为空"),
        6, 0);
    text = item->Text();
}

bool TVoro_Main::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!m_treeWidget->hasFocus() || m_renaming)
        return false;
    auto run = [this](const char* name) {
        QAction* action = Action(QString::fromLatin1(name));
        if (action->isEnabled())
            action->trigger();
        return true;
    };
    if (key == Qt::Key_Delete)
        return run("Action_Delete");
    if (!(modifiers & Qt::ControlModifier))
        return false;
    switch (key) {
    case Qt::Key_V:
        return run("Action_Paste");
    case Qt::Key_C:
        return run("Action_Copy");
    case Qt::Key_X:
        return run("Action_Cut");
    case Qt::Key_F:
        return run("Action_Find");
    default:
        return false;
    }
}

// --- node commands

void TVoro_Main::Action_CopyExecute()
{
    if (m_renaming) {
        if (QLineEdit* editor = FocusedEditor())
            editor->copy();
        return;
    }
    CNodeClipboard::Current().Copy();
}

void TVoro_Main::Action_CutExecute()
{
    if (m_renaming) {
        if (QLineEdit* editor = FocusedEditor())
            editor->cut();
        return;
    }
    CNodeClipboard::Current().Cut();
}

void TVoro_Main::Action_PasteExecute()
{
    if (m_renaming) {
        if (QLineEdit* editor = FocusedEditor())
            editor->paste();
        return;
    }
    CNodeClipboard& clipboard = CNodeClipboard::Current();
    const int kind = clipboard.CanPaste(m_treeView.Selected());
    if (kind != 1 && kind != 2)
        return;
    CCutomProgres note(QStringLiteral("正在粘贴，请稍候..."));
    clipboard.Paste(kind);
}

void TVoro_Main::Action_DeleteExecute()
{
    CTreeItem* item = m_treeView.Selected();
    if (!item)
        return;
    if (m_renaming) {
        if (QLineEdit* editor = FocusedEditor())
            editor->del();
        return;
    }
    if (!item->Node() || !item->Parent())
        return;
    if (CTool::Current().ShowMessageBox(QStringLiteral("警告"), QStringLiteral("是否删除?（删除后无法恢复）"),
                                        9, 0) != 6)
        return;
    CCutomProgres note(QStringLiteral("正在删除，请稍候..."));
    item->Node()->DeleteNodeRows(true);
}

void TVoro_Main::Action_EnabledExecute()
{
    CTreeItem* item = m_treeView.Selected();
    if (!item || !item->Node())
        return;
    item->Node()->SetNodeStatus(true);
    Action(QStringLiteral("Action_Enabled"))->setEnabled(false);
    Action(QStringLiteral("Action_DisEnabled"))->setEnabled(true);
    EnablePageControls(true);
}

void TVoro_Main::Action_DisEnabledExecute()
{
    CTreeItem* item = m_treeView.Selected();
    if (!item || !item->Node())
        return;
    item->Node()->SetNodeStatus(false);
    Action(QStringLiteral("Action_Enabled"))->setEnabled(true);
    Action(QStringLiteral("Action_DisEnabled"))->setEnabled(false);
    EnablePageControls(false);
}

void TVoro_Main::MoveSelectedBy(int offset)
{
    CTreeItem* item = m_treeView.Selected();
    if (!item || !item->Parent() || !item->Node() || !item->Node()->Parent())
        return;
    CTreeItem* parentItem = item->Parent();
    CNodeData* parent = parentItem->Node();
    if (!parent)
        return;
    CNodeStateKeep keep;
    if (item->Node()->MoveBy(offset))
        parent->BuildTreeItems(parentItem, nullptr, true);
}

void TVoro_Main::Action_TopExecute()
{
    MoveSelectedBy(-100000);
}

void TVoro_Main::Action_FrontExecute()
{
    MoveSelectedBy(-1);
}

void TVoro_Main::Action_HeirExecute()
{
    MoveSelectedBy(1);
}

void TVoro_Main::Action_ParentExecute()
{
    if (CTreeItem* item = m_treeView.Selected(); item && item->Parent())
        m_treeView.Select(item->Parent());
}

void TVoro_Main::Action_ExpandExecute()
{
    if (QTreeWidgetItem* widgetItem = WidgetItem(m_treeView.Selected()))
        m_treeWidget->expandRecursively(m_treeWidget->indexFromItem(widgetItem));
}

void TVoro_Main::Action_FurlExecute()
{
    QTreeWidgetItem* top = WidgetItem(m_treeView.Selected());
    if (!top)
        return;
    std::function<void(QTreeWidgetItem*)> collapse = [&collapse](QTreeWidgetItem* widgetItem) {
        for (int i = 0; i < widgetItem->childCount(); ++i)
            collapse(widgetItem->child(i));
        widgetItem->setExpanded(false);
    };
    collapse(top);
}

void TVoro_Main::act_editExecute()
{
    StartRename();
}

void TVoro_Main::Action_ADDExecute()
{
    NotAvailable(QStringLiteral("建筑元素批量添加"));
}

void TVoro_Main::atc_BatchAlterExecute()
{
    CommitCurrentEditor();
    NotAvailable(QStringLiteral("批量修改"));
    ShowElementEditor(m_treeView.Selected());
}

void TVoro_Main::atc_BatchDeleteExecute()
{
    CommitCurrentEditor();
    NotAvailable(QStringLiteral("批量删除"));
    ShowElementEditor(m_treeView.Selected());
}

void TVoro_Main::atc_BatchCopyExecute()
{
    CommitCurrentEditor();
    NotAvailable(QStringLiteral("批量复制"));
    ShowElementEditor(m_treeView.Selected());
}

void TVoro_Main::atc_BatchAddExecute()
{
    CommitCurrentEditor();
    NotAvailable(QStringLiteral("批量添加"));
    ShowElementEditor(m_treeView.Selected());
}

void TVoro_Main::atc_BatchOpExecute() {}

bool TVoro_Main::ShowBatchStoreyRoomForm(CTreeItem* item, const QString& kind)
{
    if (!item || !item->Node())
        return false;
    TStorey_Room_Form form(this, item->Node(), kind);
    return form.exec() == mrOk;
}

void TVoro_Main::AddElementUnderNode(CTreeItem* item, int type)
{
    if (!item || !item->Node() || !CSystemGlobalData::CanAddElement(item, type))
        return;
    CommitCurrentEditor();
    CNodeData* node = item->Node();
    CNodeData* child = node->CreateChild(type, QString(), nullptr, 0);
    if (!child)
        return;
    node->BuildTreeItems(item, nullptr, true);
    if (type == 1 || type == 2) {
        if (child->TreeItem())
            ShowBatchStoreyRoomForm(child->TreeItem(),
                                    type == 1 ? QStringLiteral("Storey") : QStringLiteral("Room"));
    } else if (type == 3) {
        child->CreateChild(4, QStringLiteral("人员"), nullptr, 0);
        child->CreateChild(5, QStringLiteral("照明"), nullptr, 0);
    }
    node->BuildTreeItems(item, nullptr, true);
    m_treeView.Expand(item);
}

void TVoro_Main::ElementToolClick(int tag)
{
    const int type = m_actionState.ElementToolClick(tag, NowMs());
    if (type != -1)
        AddElementUnderNode(m_treeView.Selected(), type);
    // The bar shows the chosen tool.
    for (QAction* action : m_elementBar->actions())
        action->setChecked(action->data().toInt() == m_actionState.CurrentElementTool());
}
