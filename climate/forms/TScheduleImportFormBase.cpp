#include "climate/forms/TScheduleImportFormBase.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "climate/CScheduleRules.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
QString NewConnectionName()
{
    static int counter = 0;
    return QStringLiteral("ScheduleExchange%1").arg(++counter);
}

QListWidget* NameList(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

bool Holds(const QListWidget* list, const QString& name)
{
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

const QString ReleaseData = QStringLiteral("发行数据");
} // namespace

TScheduleImportFormBase::TScheduleImportFormBase(CDbQuery& dataSet, const QString& caption, QWidget* owner)
    : QDialog(owner),
      m_projectOpen(CScheduleRules(dataSet).IsProjectDatabase()),
      FountainQuery(dataSet.ConnectionName()),
      ADOConnection2(NewConnectionName()),
      TargetQuery(ADOConnection2)
{
    setWindowTitle(caption);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    GroupBox1 = new QGroupBox(m_projectOpen ? QStringLiteral("工程数据") : QStringLiteral("系统数据"), this);
    ListBox1 = NameList(GroupBox1);
    auto* left = new QVBoxLayout(GroupBox1);
    left->addWidget(ListBox1);

    GroupBox2 = new QGroupBox(m_projectOpen ? QStringLiteral("系统数据及其他工程数据")
                                            : QStringLiteral("发行数据及其他工程数据"),
                              this);
    ComboBox1 = new QComboBox(GroupBox2);
    ComboBox1->addItems({m_projectOpen ? QStringLiteral("系统数据") : ReleaseData, QStringLiteral("其它工程数据")});
    ListBox2 = NameList(GroupBox2);
    auto* right = new QVBoxLayout(GroupBox2);
    right->addWidget(ComboBox1);
    right->addWidget(ListBox2);

    Button1 = new TBMPButton(QStringLiteral(">>"), this);
    Button3 = new TBMPButton(QStringLiteral("<<"), this);
    Button2 = new TBMPButton(QStringLiteral("关闭"), this);
    Button2->SetModalResult(mrOk);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(Button1);
    middle->addWidget(Button3);
    middle->addStretch();
    middle->addWidget(Button2);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(GroupBox1, 1);
    layout->addLayout(middle);
    layout->addWidget(GroupBox2, 1);
    resize(560, 360);

    connect(ComboBox1, &QComboBox::activated, this, &TScheduleImportFormBase::ComboBox1Change);
    connect(Button1, &TBMPButton::OnClick, this, &TScheduleImportFormBase::Button1Click);
    connect(Button3, &TBMPButton::OnClick, this, &TScheduleImportFormBase::Button3Click);
}

TScheduleImportFormBase::~TScheduleImportFormBase() = default;

QString TScheduleImportFormBase::PartnerFile() const
{
    if (ComboBox1->currentIndex() == 1)
        return m_otherFile;
    return CProgramFolder::Resolve(m_projectOpen ? QStringLiteral("System\\SysData.dat")
                                                 : QStringLiteral("IssueData\\SysData.dat"));
}

bool TScheduleImportFormBase::LoadPartner()
{
    const QString file = PartnerFile();
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        CTool::Current().ShowMessageBox(QStringLiteral("错误"), QStringLiteral("系统找不到文件\n") + file, 6, 1);
        // Nothing to exchange with: the form closes, the program goes on.
        done(mrCancel);
        return false;
    }
    TargetQuery.Close();
    ADOConnection2.Open(file);
    m_partnerIndex = ComboBox1->currentIndex();
    ListBox2->clear();
    const int rows = CTool::OpenQuery(TargetQuery, CSQLStatement(PartnerNamesSql()));
    for (int row = 1; row <= rows; ++row) {
        TargetQuery.MoveTo(row);
        ListBox2->addItem(TargetQuery.Field(0).toString());
    }
    Button1->setEnabled(ComboBox1->currentText() != ReleaseData);
    return true;
}

void TScheduleImportFormBase::ComboBox1Change(int index)
{
    if (index == 1) {
        QString file = m_otherFile;
        if (!CTool::Current().GetOpenFileName(QStringLiteral("打开"), QStringLiteral("VORO工程文件(*.VLZ)"), file)) {
            // The partner stays the one listed, and the choice shows it.
            const QSignalBlocker blocker(ComboBox1);
            ComboBox1->setCurrentIndex(m_partnerIndex);
            return;
        }
        m_otherFile = file;
    }
    Button1->setEnabled(ComboBox1->currentText() != ReleaseData);
    LoadPartner();
}

void TScheduleImportFormBase::CopySelected(QListWidget* from, QListWidget* to, CDbQuery& source,
                                           CDbQuery& destination)
{
    CScheduleExchange exchange(source, destination, Subject());
    int count = 0;
    for (int row = 0; row < from->count(); ++row) {
        const QString name = from->item(row)->text();
        if (!from->item(row)->isSelected() || !Copy(exchange, name))
            continue;
        ++count;
        if (!Holds(to, name))
            to->addItem(name);
    }
    if (count > 0)
        CTool::Current().ShowMessageBox(QStringLiteral("成功复制"), QStringLiteral("复制了%1条数据").arg(count), 6, 2);
}

void TScheduleImportFormBase::Button1Click()
{
    if (Button1->isEnabled())
        CopySelected(ListBox1, ListBox2, FountainQuery, TargetQuery);
}

void TScheduleImportFormBase::Button3Click()
{
    CopySelected(ListBox2, ListBox1, TargetQuery, FountainQuery);
}
