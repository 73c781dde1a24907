#pragma once
#include <QDialog>

class CMaterialNode;
class QAction;
class QGroupBox;
class QToolBar;
class QTreeWidgetItem;
class TBMPButton;
class TEditPicture;
class TTMaterialTreeFrame;
class TTMaterial_BaseForm;

// The library manager of one kind: the library tree on the left, the record frame of the kind and
// (for constructions) the record's picture on the right. Edits stay in the tree's nodes until
// "保存" or "确定" writes them, all or nothing; a failed write says why and keeps them pending.
// A number box holding no number is shown red and its record is not stored until it is mended.
class TTLibManageForm : public QDialog
{
    Q_OBJECT
public:
    explicit TTLibManageForm(QWidget* parent = nullptr);

    // Prepares the window for the kind; once, before it is shown.
    void SetLibraryKind(int kind);
    int LibKind() const { return m_libKind; }

    // Stores the shown record, then whether any node holds changes not written.
    bool HasChanges();
    void UpdateActionStates();
    // The shown record's controls into its node; false (after saying which box) when a number box
    // holds no number, the node then unchanged.
    bool StoreCurrentNode();
    void ShowCurrentNode();

    // "保存": stores the shown record and writes every change; false (after the message) when
    // nothing could be written.
    bool SaveClick();
    void OkClick();
    void CancelClick();

    void act_deleteExecute();
    void act_renameExecute();
    void act_cloneExecute();
    void act_movetoprjExecute();
    void act_movetosysExecute();

    CMaterialNode* CurrentNode() const;

    TTMaterialTreeFrame* TMaterialTreeFrame1;
    TTMaterial_BaseForm* RecordFrame = nullptr;
    TEditPicture* EditPicture1;
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    QToolBar* ActionToolBar1;
    TBMPButton* BMPButton1; // 确定
    TBMPButton* BMPButton2; // 取消
    TBMPButton* BMPButton3; // 保存
    QAction* act_delete;
    QAction* act_rename;
    QAction* act_clone;
    QAction* act_movetoprj;
    QAction* act_movetosys;

    // Every way of closing: stores the shown record and, when changes are not written, asks
    // "数据已经被修改，是否保存？"; saving then makes the result OK. A failed save keeps the window open.
    void done(int result) override;
    void reject() override;

private:
    void SelectionChanged(QTreeWidgetItem* item);
    // Copies the shown record into the root and selects what the copy answers.
    void CopyCurrentTo(CMaterialNode* root, bool noQuestion);

    QTreeWidgetItem* CurrentItem = nullptr;
    int m_libKind = -1;
    bool m_closing = false;
};

// Opens the manager for the kind with the record of the ID selected; answers the ID of the record
// chosen with "确定" (copied into the project library first when it came from elsewhere), or -1.
int PickLibraryItem(int kind, int currentId, QWidget* parent = nullptr);
