#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class CDbConnection;
class CMaterialNode;
class QTreeWidget;
class QTreeWidgetItem;

// The tree of one library kind in the library manager and the construction picker: one tree of
// library nodes per database, "系统数据" for the system library, "当前工程数据" for the open project
// and one root per other project file the user opens through the last item
// "打开其它负荷计算工程". Items stand for their nodes; records sort by LibraryCaptionLess,
// categories keep the order of their first record, the open item stays last.
class TTMaterialTreeFrame : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ImageOpenItem = 3;

    explicit TTMaterialTreeFrame(QWidget* parent = nullptr);
    ~TTMaterialTreeFrame() override;

    // Rebuilds the tree for the kind: the system root, the project root while a project is open,
    // the project root (else the system root) selected and expanded, and the open item.
    void LoadTree(int kind);
    // Reads the kind's table of an open database into a new root; null for a closed one.
    CMaterialNode* AddRoot(CDbConnection* connection, const QString& caption);
    // The project root while a project is open, else null; the system root (null before a load).
    CMaterialNode* GetProjectRoot() const;
    CMaterialNode* GetSystemRoot() const;
    const std::vector<std::unique_ptr<CMaterialNode>>& Roots() const { return m_roots; }

    // Selects the record of the ID in the project root (the system root without a project);
    // nothing when none has it.
    void SelectById(int id);
    void SelectNode(CMaterialNode* node);
    // The node of the selected item; null for none and for the open item.
    CMaterialNode* SelectedNode() const;
    static CMaterialNode* NodeOf(const QTreeWidgetItem* item);
    // The selected record as the project holds it: a record of another source is copied into the
    // project first (asking when a record of its name differs) and saved at once. Null when no
    // record is selected. Database failures raise.
    CMaterialNode* GetSelectedMaterial();

    // Writes every pending change of every root (CMaterialNode::SaveAll): all or nothing.
    void SaveAll();
    bool HasModified() const;

    // Asks for another project file and adds its root (the open item's action).
    void OpenOtherProject();

    QTreeWidget* TreeView1;
    int LibKind = 0;
    bool Loading = false;
    // Called with the newly selected item after every change of selection.
    std::function<void(QTreeWidgetItem*)> OnSelect;

private:
    void CurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void Clear();

    std::vector<std::unique_ptr<CMaterialNode>> m_roots;
    std::vector<CDbConnection*> m_connections;
    std::vector<std::unique_ptr<CDbConnection>> m_ownConnections; // other project files
    QTreeWidgetItem* m_openItem = nullptr;
};
