#pragma once
#include <QDialog>
#include <QList>
#include <QString>

class CProjectGroupingBase;
class QBoxLayout;
class QComboBox;
class QGridLayout;
class QLabel;
class QListWidget;
class TBMPButton;
class TControlEdit;

// What the storey-group and the air-system forms share: the buildings and the free members of the
// chosen one on the left, the groups (systems) and the members of the chosen one on the right, the
// name box with "新..", "..更名" and "删除..", and ">>"/"<<" that move the selected lines between
// the two lists. Lines carry the member's ID, so that members of equal names stay apart.
//
// Every operation writes the project database at once (CProjectGroupingBase); "确定" and "取消"
// only close the form. Empty or taken names, and buttons pressed without the choice or selection
// they need, do nothing.
class TGroupingFormBase : public QDialog
{
    Q_OBJECT
public:
    ~TGroupingFormBase() override;

    // Fills the building and group lists and chooses the first of each.
    void LoadLists();
    void ComboBox1Change();
    void ComboBox2Change();
    // ">>": the selected free lines join the chosen group.
    void Button2Click();
    // "<<": the selected member lines leave it.
    void Button3Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();

    // The chosen group's name; empty when none is chosen.
    QString ChosenGroup() const;
    // The ID the line of a list stands for.
    static int LineId(const QListWidget* list, int row);

    QComboBox* ComboBox1;
    QListWidget* ListBox1;
    QComboBox* ComboBox2;
    QListWidget* ListBox2;
    TControlEdit* ControlEdit2;
    TBMPButton* Button2;
    TBMPButton* Button3;
    TBMPButton* Button9;
    TBMPButton* Button10;
    TBMPButton* Button11;
    TBMPButton* FlatButton2;
    TBMPButton* FlatButton3;

    void reject() override;

protected:
    // Captions: the free list's ("楼层"), the group choice's ("组名:"), the members' (empty for
    // none), the name box's, and the three name buttons.
    struct SCaptions
    {
        QString FreeList;
        QString Groups;
        QString Members;
        QString Name;
        QString NewCaption;
        QString RenameCaption;
        QString DeleteCaption;
    };
    TGroupingFormBase(const SCaptions& captions, QWidget* owner);

    // The groups the form edits (the derived form's own).
    virtual CProjectGroupingBase& Grouping() = 0;
    // Whether the groups are listed in a project without buildings.
    virtual bool GroupsWithoutBuildings() const = 0;
    // The free lines of the building (text, ID).
    virtual QList<QPair<QString, int>> FreeLines(int buildingId) = 0;
    // The member lines of the group (text, ID).
    virtual QList<QPair<QString, int>> MemberLines(const QString& group) = 0;
    // After the member list was filled.
    virtual void MembersShown() {}

    // A push button of the form's size.
    static TBMPButton* NewButton(const QString& caption, QWidget* parent);
    static QList<int> SelectedIds(const QListWidget* list);
    static void FillLines(QListWidget* list, const QList<QPair<QString, int>>& lines);
    // Places for the form's own controls: under ">>" and "<<", under the member list, and before
    // "确定" and "取消".
    QBoxLayout* MiddleButtons() const { return m_middle; }
    QGridLayout* ExtraControls() const { return m_extra; }
    QBoxLayout* BottomButtons() const { return m_bottom; }

private:
    // The selected lines of the list join (free lines) or leave (member lines) the chosen group.
    void MoveSelected(const QListWidget* list, bool join);

    QList<int> m_buildingIds;
    QBoxLayout* m_middle = nullptr;
    QGridLayout* m_extra = nullptr;
    QBoxLayout* m_bottom = nullptr;
};
