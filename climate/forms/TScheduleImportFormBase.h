#pragma once
#include "climate/CScheduleExchange.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QListWidget;
class TBMPButton;

// The exchange of schedule data between the database the schedule manager edits (left) and a
// partner database (right): the release data "IssueData\SysData.dat" while no project is open, the
// system data "System\SysData.dat" while one is, or another project chosen in a file dialog. The
// release data is offered as a source only.
//
// The manager fills ListBox1 with its own names, calls LoadPartner and, when it succeeds, exec();
// ">>" copies the selected names of the left into the partner, "<<" those of the right into the
// manager's database; a name held on both sides is overwritten only when the user agrees. Both
// report "复制了%d条数据" when something was copied. What is copied, and how it is asked about,
// is the derived form's.
class TScheduleImportFormBase : public QDialog
{
    Q_OBJECT
public:
    ~TScheduleImportFormBase() override;

    // Opens the partner of the chosen item and lists its names. A missing file is told
    // ("系统找不到文件\n<file>") and closes the form; false then.
    bool LoadPartner();
    // The partner file of the chosen item (item 1: the file chosen last).
    QString PartnerFile() const;

    void ComboBox1Change(int index);
    void Button1Click();
    void Button3Click();

    QGroupBox* GroupBox1;
    QListWidget* ListBox1;
    QGroupBox* GroupBox2;
    QComboBox* ComboBox1;
    QListWidget* ListBox2;
    TBMPButton* Button1;
    TBMPButton* Button3;
    TBMPButton* Button2;

protected:
    // dataSet: the manager's; its connection is the left side's.
    TScheduleImportFormBase(CDbQuery& dataSet, const QString& caption, QWidget* owner);

    // The names of the partner: a select of one column.
    virtual QString PartnerNamesSql() const = 0;
    virtual CScheduleExchange::Subject Subject() const = 0;
    // Copies one name; whether it was written.
    virtual bool Copy(CScheduleExchange& exchange, const QString& name) = 0;

private:
    // Copies the selected names of one list into the other side; the names written join the
    // other list. Reports the count.
    void CopySelected(QListWidget* from, QListWidget* to, CDbQuery& source, CDbQuery& destination);

    bool m_projectOpen = false;
    QString m_otherFile;
    // The item whose file is open as the partner.
    int m_partnerIndex = 0;
    CDbQuery FountainQuery;
    CDbConnection ADOConnection2;
    CDbQuery TargetQuery;
};
