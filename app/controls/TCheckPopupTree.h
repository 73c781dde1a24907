#pragma once
#include "app/controls/CCheckPopData.h"
#include "app/controls/TCheckTreeView.h"
#include "platform/core/CMyList.h"
#include "platform/core/CMyMap.h"

#include <QHash>
#include <array>
#include <functional>

class CTreeItem;

// The drop-down of the project's buildings, storeys and rooms in which the user ticks for which
// nodes one output item of the calculation book is printed. ConstructTree loads the four output
// flags of every Building, Storey and Room row once; the drop-down shows the flag OutputColumn
// as the nodes' check states and records every state change (propagation included, partly ticked
// as 2) in the node's record with Modified set. The owning dialog writes the modified records back.
//
// Edits are kept here, by node id and by element ID per type, never in the project nodes, so
// nothing of them outlives the drop-down or reaches another dialog.
class TCheckPopupTree : public TCheckTreeView
{
public:
    explicit TCheckPopupTree(QWidget* owner = nullptr);
    ~TCheckPopupTree() override;

    // Builds the items from the project tree (project, buildings, storeys, rooms; folders pass
    // their contents up) and loads the records. A failing statement raises the query exception;
    // the records loaded so far stay.
    void ConstructTree();
    // Loads the rows of the table into the map of the element type (1 to 3).
    void LoadData(const QString& tableName, int mapIndex);
    // Shows the flag OutputColumn of every record as its item's state; items without a record keep
    // their element picture. Expands the project item and the buildings.
    void UpdateNodeImageIndex();
    void MyNodeSatueChange(QTreeWidgetItem* item);
    void MyAddition(QObject* sender, QTreeWidgetItem* node);

    // The flag shown and edited, 0 to 3; other values are ignored.
    int OutputColumn() const { return m_outputColumn; }
    void SetOutputColumn(int column);

    // The record of the element of the type (0 to 4) and ID; null when none was loaded.
    CCheckPopData* Record(int type, int elementId) const;
    // The record of the item's node; null for the project item and nodes without a row.
    CCheckPopData* RecordOf(const QTreeWidgetItem* item) const;
    // Element ID to record, per type 0 to 4 (1 buildings, 2 storeys, 3 rooms).
    const CMyMap<int, CCheckPopData*>& Map(int type) const { return m_maps.at(static_cast<size_t>(type)); }
    static int NodeIdOf(const QTreeWidgetItem* item);

    std::function<void(QObject* sender)> OnCloseUp;

    void setVisible(bool visible) override;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void CopyItems(CTreeItem* source, QTreeWidgetItem* parent);
    void ExpandToLevel(QTreeWidgetItem* item, int type);

    std::array<CMyMap<int, CCheckPopData*>, 5> m_maps;
    CMyList<CCheckPopData> m_records{true};
    QHash<int, CCheckPopData*> m_byNodeId;
    int m_outputColumn = 0;
};
