#pragma once
#include <QByteArray>
#include <QDialog>

class QCheckBox;
class QListWidget;
class QVBoxLayout;
class TBMPButton;

// What the library export and import dialogs share: the record list with its tick boxes, "全选"
// and "全不选" (each acts only when it becomes ticked, and then unticks the other), and the
// buttons "确定" and "取消".
class TLibExchangeDialogBase : public QDialog
{
    Q_OBJECT
public:
    explicit TLibExchangeDialogBase(QWidget* parent = nullptr);

    void AddItem(const QString& text);
    // One byte per item, 1 for a ticked one.
    QByteArray CheckFlags() const;
    int CheckedCount() const;

    void CheckBox1Click();
    void CheckBox2Click();

    QWidget* Panel2;
    QListWidget* CheckListBox1;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    TBMPButton* FlatButton2;
    TBMPButton* BMPButton1;

protected:
    // Where the dialog puts its own controls above the list.
    QVBoxLayout* m_top;
};
