#pragma once
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "platform/core/CDbQuery.h"

class CDbConnection;
class CLibraryTable;
class QAction;
class QMenu;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// The library tree of the library editor forms: "系统数据", "当前工程数据" and any project file
// opened later, each filled straight from its library table; an item carries only its record's
// ID. Record operations change the table at once and then the items. Root indexes: 0 system,
// 1 project, 2 and up the files opened; a root whose database is closed stays empty and has no
// connection, and operations on it do nothing.
class TMetrailTree : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ImageRoot = 0;
    static constexpr int ImageCategory = 1;
    static constexpr int ImageRecord = 2;
    static constexpr int IdRole = Qt::UserRole;
    static constexpr int ImageRole = Qt::UserRole + 1;
    static int ImageOf(const QTreeWidgetItem* item);

    struct SNodeInfo
    {
        bool IsRecord = false;
        int Root = -1;
        QString Category;
        QString Name;
        int ID = 0;
    };

    explicit TMetrailTree(QWidget* parent = nullptr);
    ~TMetrailTree() override;

    // Set by the owner before LoadTree: the use libraries have no categories.
    bool FlatLibrary = false;
    // Called after every change of selection.
    std::function<void()> OnSelect;

    void LoadTree(CDbConnection* systemLibrary, CDbConnection* project, const QString& kindWord);
    void LoadRoot(CDbConnection* connection, QTreeWidgetItem* root);

    const QString& KindWord() const { return m_kindWord; }
    int GetRootIndex(const QTreeWidgetItem* item) const;
    SNodeInfo GetNodeInfo(const QTreeWidgetItem* item) const;
    // The selected record; IsRecord false when the selection is no record.
    SNodeInfo GetSelectedRecord() const;
    // The caption of a selected category of the project library, else "0".
    QString GetSelectedCategory() const;
    CDbConnection* GetConnection(int rootIndex) const;
    QString GetTableName() const;
    // The record's row of the "_Lib" table (empty when the root has no connection).
    CDbQuery& OpenRecord(int rootIndex, int id);
    void SelectRecordById(int id);
    void SelectRecordByName(const QString& category, const QString& name);
    void UpdateActions(bool enabled);
    // The first item below the item's root, in pre-order, captioned exactly so.
    QTreeWidgetItem* FindInRoot(const QTreeWidgetItem* item, const QString& text) const;
    QTreeWidgetItem* RootItem(int rootIndex) const;

    // Record operations: the project library (root 1) is the one they change.
    bool IsRecordInUse(int id);
    bool DeleteSelected(int id, const QString& category);
    bool RenameRecord(const QString& newName, const QString& oldName, int id);
    bool RenameCategory(const QString& newCategory, const QString& oldCategory, int id);
    int AddRecord(const QString& name, const QString& category);
    int CloneRecord(int sourceRoot, int sourceId, int targetRoot, const QString& category, const QString& name);
    int CopyRecord(int sourceRoot, int sourceId, int targetRoot);
    void OverwriteRecord(int sourceRoot, int sourceId, int targetRoot, int targetId);
    void OverwriteFields(int sourceRoot, int sourceId, int targetRoot, int targetId);

    void Action_CopyExecute();
    void Action_PastExecute();
    void Action_ReNameExecute();
    void Action_cloneExecute();
    void Action_DelExecute();
    void Action_NewConExecute();

    QTreeWidget* TreeView1;
    QToolBar* ToolBar1;
    QMenu* PopupMenu1;
    QAction* Action_Copy;
    QAction* Action_Past;
    QAction* Action_ReName;
    QAction* Action_clone;
    QAction* Action_Del;
    QAction* Action_NewCon;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void TreeView1Change();
    CLibraryTable Table() const;
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& caption, int image, int id = 0);
    QTreeWidgetItem* CategoryItem(QTreeWidgetItem* root, const QString& category, bool create);
    void SelectItem(QTreeWidgetItem* item);
    QString FreeCopyName(const QTreeWidgetItem* item, const QString& name) const;
    // Runs a record operation; a database failure is shown and answers false.
    bool Guarded(const std::function<void()>& work);
    static void ClearNameLists();

    std::vector<CDbConnection*> m_connections; // by root index; null for a closed database
    std::vector<std::unique_ptr<CDbConnection>> m_ownConnections;
    SNodeInfo m_copied; // the record marked by Action_Copy
    bool m_hasCopied = false;
    QString m_kindWord;
    CDbQuery m_query1;
};
