#pragma once
#include <QDialog>
#include <map>
#include <memory>
#include <vector>

class CNodeData;
class CTreeItem;
class QPushButton;
class QTreeWidgetItem;
class TCheckTreeView;

// The tick of one building, storey or room in the heating-book dialog.
struct CHLCheckPopData
{
    int Stored = 0;  // "bOutputHL" as read, and after each store the value written
    int Current = 0; // the check state: 0 unchecked, 1 checked, 2 partly checked
    bool Changed = false;
    CNodeData* Node = nullptr;
};

// "采暖负荷计算书输出设置": the project's buildings, storeys and rooms as a check tree, a tick
// meaning "bOutputHL" 1. "确定" writes the changed ticks, calculates the whole project and shows
// the heating-load book (CHLDReport); the dialog stays open. "取消" closes it.
class THLReport_SetForm : public QDialog
{
public:
    explicit THLReport_SetForm(QWidget* owner = nullptr);
    ~THLReport_SetForm() override;

    void FillTree();
    // Writes every changed tick whose state differs from the stored one; the number written.
    int StoreChanges();
    // Store and output.
    void FlatButton2Click();
    // The item data of a tree item, null for the project and folders.
    CHLCheckPopData* ItemOf(QTreeWidgetItem* item) const;

    TCheckTreeView* CheckTreeView1 = nullptr;
    QPushButton* FlatButton2 = nullptr;
    QPushButton* BMPButton1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadLevel(const char* table, int type);
    void AddItems(QTreeWidgetItem* parent, const CTreeItem& source);
    void ApplyStates(QTreeWidgetItem* item);

    std::vector<std::unique_ptr<CHLCheckPopData>> m_items;
    std::map<int, CHLCheckPopData*> m_levels[4];
    std::map<QTreeWidgetItem*, CHLCheckPopData*> m_itemData;
    bool m_filled = false;
};
