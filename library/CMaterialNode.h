#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CDbConnection;
class CDbQuery;
class CHvacData;
class CMaterialTreeItemBase;
struct CSQLStatement;

// One node of the library manager's tree: a root for one library database, a category (the common
// catergory text of its records; categories and roots exist only in memory), or a record with its
// ID and its values. A node carries its edits until Save turns its state into the statement on its
// own database. Names compare without regard to case, as the library tables compare them.
class CMaterialNode
{
public:
    enum : int
    {
        KindRoot = 0,
        KindCategory = 1,
        KindRecord = 2
    }; // also the image index
    enum : int
    {
        StateClean = 0,
        StateModified = 1,
        StateDeleted = 2,
        StateNew = 3
    };
    enum : int
    {
        SourceSystem = 0,
        SourceProject = 1,
        SourceOther = 2
    };

    // A root without a parent; with a parent, the node appends itself to the parent's Children,
    // which then own it (create it with new), and takes the parent's Connection and LibKind.
    explicit CMaterialNode(CMaterialNode* parent = nullptr);
    ~CMaterialNode();
    CMaterialNode(const CMaterialNode&) = delete;
    CMaterialNode& operator=(const CMaterialNode&) = delete;

    std::unique_ptr<CHvacData> Data; // the record's values, read on first need (GetData)
    QString Caption;                 // root caption, category name or record Name
    int NodeKind = KindRoot;
    int ID = -1;            // the record's row; -1 for roots, categories, records not inserted
    int State = StateClean; // a new node stays new through rename and overwrite
    std::vector<std::unique_ptr<CMaterialNode>> Children;
    CMaterialNode* Parent = nullptr;
    CMaterialTreeItemBase* TreeItem = nullptr; // not owned
    CDbConnection* Connection = nullptr;       // not owned: the database of the node's rows
    int LibKind = 0;                           // library kind code

    // Shows the node's subtree in the item: text, image and node, then one new child item per
    // child that is not deleted. A deleted node deletes the item instead.
    void BindTreeItem(CMaterialTreeItemBase* item);
    // The action on every node of the subtree, children before their parent and, within a parent,
    // the last child first, so an action that removes the node it is given disturbs nothing.
    void ForEachPostOrder(const std::function<void(CMaterialNode&)>& action);
    // The first node in pre-order of the kind with that ID, or that caption (without regard to
    // case); deleted nodes are neither matched nor searched below. Null when none.
    CMaterialNode* FindById(int nodeKind, int id);
    CMaterialNode* FindByCaption(int nodeKind, const QString& caption);
    CMaterialNode* GetRoot();
    // SourceSystem for the system data database, SourceProject for the open project's, SourceOther
    // for any other database.
    int GetSource() const;
    // Runs a select on the node's database; failures raise Exception with the database's message.
    std::unique_ptr<CDbQuery> RunQuery(const CSQLStatement& statement) const;

    // A record's values, read from its row the first time; null for roots and categories, and
    // when the row is not there (exactly once).
    CHvacData* GetData();
    // Whether the record may be deleted: a new one always; a record of another project file never;
    // while a project is open only project records; and not while an element of the project uses
    // it or a default value names it.
    bool CanDelete();
    // Marks the subtree deleted (children first) and deletes its tree items; the rows go at Save.
    void MarkDeleted();
    // Whether a node of the whole tree that is not deleted has the caption (without regard to case).
    bool NameInUse(const QString& name);
    // Renames a record; a name another node of the tree has is refused with "该名称已经被使用".
    // A clean record becomes modified. Roots and categories keep their caption; true.
    bool Rename(const QString& newName);
    // Writes the node's state to its row: modified updates it, new inserts it and takes its ID,
    // deleted deletes it and then removes the node from its parent, which destroys it. A node without
    // values is not written. Failing statements raise "查询SQL发生异常:..." or "执行数据发生异常:...".
    void Save();
    // Writes the node's pending row change without changing the node and answers the row's ID (the
    // new one for an inserted row); -1 when nothing is to be written (also for a node without values). Save and SaveAll build on it.
    int WriteState();
    // The node after WriteState's change was committed: clean with the row's ID; a deleted node
    // removes itself from its parent, which destroys it.
    void AcceptSaved(int id);
    // Saves every record node of the roots: each database's rows in one transaction, all databases
    // committed before any node changes, so a failure leaves the rows and the nodes as they were
    // and raises. Categories made by copies count as saved with their records.
    static void SaveAll(const std::vector<CMaterialNode*>& roots);
    // Whether the node or a node below it is not clean.
    bool HasPending() const;
    // Copies a record into the tree of the target root (in memory; written at the next Save), into
    // the category of the same caption, made when missing. A record of the same name there is
    // answered when its values are equal; with other values the user chooses to overwrite it, keep
    // it or add the copy under a free name "%s[副本%d]", which noQuestion always does; closing the
    // choice copies nothing and answers null. Null for a node that is not a record; a record whose
    // row is gone raises "材料[%s]不存在，请重新指定材料".
    CMaterialNode* CopyTo(CMaterialNode* targetRoot, bool noQuestion);

private:
    // The first node in pre-order that matches, passing over deleted nodes and their subtrees.
    CMaterialNode* FindFirst(const std::function<bool(const CMaterialNode&)>& match);
    QString Table() const;
    // The category a record is saved under: its parent's caption, or empty directly under the root.
    QString Category() const;
    void WriteRow(CDbQuery& query) const;
};
