#pragma once
#include <QDialog>
#include <QStringList>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QRadioButton;
class QTreeWidgetItem;
class TBMPButton;
class TCheckTreeView;

// The dialog "将房间用途应用到工程": applies one record of the project's room-use library to the
// ticked rooms, either the whole record ("设置新房间用途") or exactly the ticked fields ("修改具体参数";
// none ticked is the whole record), through CRoom::ApplyOccupation with the room's loads. Each
// room shows its use after its name ("房间1---[办公室]"); ticking a use in the list ticks the rooms
// that refer to that use by ID. The project item is never handled.
//
// "确定" without a use chosen says so and stays open. The rooms change in one edit: when one of
// them cannot be written nothing changes, the dialog says so and stays open; otherwise it closes
// with mrOk.
class TTChangeUseForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int FieldCount = 44;

    explicit TTChangeUseForm(QWidget* owner = nullptr);

    // The use to apply chosen when the dialog is shown: its record ID, -1 for none.
    int PresetUseId = -1;

    // Label of a row of CheckListBox2 and the RoomOccupation column it applies.
    static QString FieldLabel(int index);
    static QString FieldName(int index);
    // The columns of the ticked rows of CheckListBox2, in row order.
    QStringList TickedFields() const;
    // The room-use ID a tree item's room refers to; -1 for items of other nodes.
    static int UseIdOf(const QTreeWidgetItem* item);

    void FormShow();
    void CheckListBox1Click(QListWidgetItem* item);
    void FlatButton2Click();
    void BMPButton1Click();

    QListWidget* CheckListBox1;
    TCheckTreeView* TreeView1;
    QRadioButton* RadioButton1;
    QComboBox* ComboBox1;
    QRadioButton* RadioButton2;
    QListWidget* CheckListBox2;
    TBMPButton* FlatButton2;
    TBMPButton* BMPButton1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillTree();
    // Applies the use to every ticked room; false (nothing changed) when a room could not be written.
    bool Apply(int useId);
};
