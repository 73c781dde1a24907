#pragma once
#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QTreeWidgetItem;
class CSchemePlugInBase;
class RunTimeSys;
class TBMPButton;
class TCheckTreeView;
class TRadioGroup;

// "运行方案管理": the operating schemes of the project (CRunTimeMgr). Creates, renames and deletes
// schemes, ticks the rooms of the chosen scheme in a check tree of the project (stored by "保存";
// a room may belong to one scheme only), opens the operating-hours editor, writes the CSV summary
// of all schemes and runs an output plug-in on the chosen scheme. Changes stay in memory until the
// project is saved. The main window opens it with the scheme mode on, under the daily cooling
// design type.
class TLoadCalculationForm : public QDialog
{
public:
    explicit TLoadCalculationForm(QWidget* owner = nullptr);

    // Fills the tree and the scheme list; runs when the dialog is first shown.
    void FormShow();
    void cbbModelNameChange();
    void bmpbtnAddNewModelNameClick();
    void bmpbtnUpdateModelNameClick();
    void bmpbtnDeleteModelClick();
    void bmpbtnSchemeSetClick();
    void CheckTreeView1ManualStatueChanged();
    // "保存": the ticked rooms become the scheme's rooms, unless one of them belongs to another
    // scheme (the user is told which; nothing is stored). True when stored.
    bool BMPButton2Click();
    void BMPButton3Click();
    void bmpbtnOutputClick();
    void BMPButton1Click();

    void RefreshRoomTree();
    void UncheckAll();
    void FillSchemeList();
    void ShowSchemeRooms(const RunTimeSys* scheme);
    void StoreSchemeRooms(RunTimeSys& scheme);
    void UpdateParentStates(QTreeWidgetItem* item);
    // One item per enabled output plug-in of the calculation host, the first one chosen.
    void FillReportList();
    // The scheme of the selected item; null when none is selected.
    RunTimeSys* CurrentScheme() const;

    QLabel* lblModelName;
    QComboBox* cbbModelName;
    TBMPButton* bmpbtnAddNewModelName;
    TBMPButton* bmpbtnUpdateModelName;
    TBMPButton* bmpbtnDeleteModel;
    QLabel* Label1;
    TCheckTreeView* CheckTreeView1;
    TBMPButton* bmpbtnSchemeSet;
    TRadioGroup* RadioGroup3;
    TBMPButton* BMPButton1;
    TBMPButton* BMPButton3;
    TBMPButton* BMPButton2;
    QLabel* Label2;
    TRadioGroup* RadioGroup1;
    TBMPButton* bmpbtnOutput;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EnableStoreButtons(bool enabled);

    bool m_shown = false;
    // Entry i: the plug-in of item i of RadioGroup3.
    std::vector<CSchemePlugInBase*> m_plugIns;
};
