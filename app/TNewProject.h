#pragma once
#include <QDialog>
#include <functional>

class CProjectData;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QPushButton;
class TControlEdit;

// The dialog "新建工程": the project's file name and folder, blank project or template, and the
// project's descriptive parameters. It creates nothing; the New-project command sets
// SaveLocation, runs it and reads Edit1, Edit2, the "新建方式" index and ComboBox1 after OK.
class TNewProject : public QDialog
{
    Q_OBJECT
public:
    explicit TNewProject(QWidget* owner = nullptr);

    // The folder under which the project's own folder is formed.
    QString SaveLocation;
    // Picks a folder starting at the given one; a null text cancels. Replaceable by tests.
    std::function<QString(const QString& start)> BrowseFolder;

    // Clears the edits, lists the installed templates (dropping rows whose file is gone) and
    // proposes the name "UnNominate". Runs whenever the dialog is shown.
    void FormShow();
    // Edit2 from SaveLocation and Edit1.
    void UpdateFolder();
    void FlatButton1Click();
    void FlatButton2Click();
    void ComboBox1Change();
    void reject() override;

    int RadioGroup1Index() const;
    int RadioGroup2Index() const;
    void SetRadioGroup2Index(int index);

    // The typed parameters, as typed, into the project parameters (not written to the database).
    void GetProjectData(CProjectData& data) const;

    TControlEdit* Edit1;
    TControlEdit* Edit2;
    QPushButton* FlatButton1;
    TControlEdit* ControlEdit2;
    TControlEdit* ControlEdit3;
    TControlEdit* ControlEdit4;
    TControlEdit* ControlEdit5;
    TControlEdit* ControlEdit6;
    TControlEdit* ControlEdit7;
    QDateEdit* DateTimePicker1;
    QGroupBox* RadioGroup1;
    QGroupBox* RadioGroup2;
    QComboBox* ComboBox1;
    QPushButton* FlatButton2;
    QPushButton* FlatButton3;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QButtonGroup* m_unitButtons;
    QButtonGroup* m_modeButtons;
};
