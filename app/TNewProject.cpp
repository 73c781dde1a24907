#include "app/TNewProject.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TControlEdit.h"
#include "model/CProjectData.h"
#include "project/CProjectTemplates.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

TControlEdit* MakeEdit(QWidget* owner, const char* name)
{
    auto* edit = new TControlEdit(owner);
    edit->setObjectName(QString::fromLatin1(name));
    edit->SetControlMode(MSTRING);
    return edit;
}

QGroupBox* MakeRadioGroup(QWidget* owner, const QString& caption, const QStringList& items,
                          QButtonGroup*& group)
{
    auto* box = new QGroupBox(caption, owner);
    auto* layout = new QHBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    group->button(0)->setChecked(true);
    return box;
}

} // namespace

TNewProject::TNewProject(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("NewProject"));
    setWindowTitle(QStringLiteral("新建工程"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(227, 236, 238));
    setPalette(palette);
    setAutoFillBackground(true);

    Edit1 = MakeEdit(this, "Edit1");
    Edit2 = MakeEdit(this, "Edit2");
    Edit2->setEnabled(false);
    FlatButton1 = new QPushButton(QStringLiteral("..."), this);
    ControlEdit2 = MakeEdit(this, "ControlEdit2");
    ControlEdit3 = MakeEdit(this, "ControlEdit3");
    ControlEdit4 = MakeEdit(this, "ControlEdit4");
    ControlEdit5 = MakeEdit(this, "ControlEdit5");
    ControlEdit6 = MakeEdit(this, "ControlEdit6");
    ControlEdit7 = MakeEdit(this, "ControlEdit7");
    DateTimePicker1 = new QDateEdit(this);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    RadioGroup1 = MakeRadioGroup(this, QStringLiteral("计算单位"),
                                 {QStringLiteral("国际单位制"), QStringLiteral("工程单位制")}, m_unitButtons);
    RadioGroup2 = MakeRadioGroup(this, QStringLiteral("新建方式"),
                                 {QStringLiteral("空工程"), QStringLiteral("模板")}, m_modeButtons);
    ComboBox1 = new QComboBox(this);
    FlatButton2 = new QPushButton(QStringLiteral("确定"), this);
    FlatButton2->setDefault(true);
    FlatButton3 = new QPushButton(QStringLiteral("取消"), this);

    auto* location = new QHBoxLayout;
    location->addWidget(Edit2, 1);
    location->addWidget(FlatButton1);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("工程文件名："), Edit1);
    form->addRow(QStringLiteral("位置："), location);
    form->addRow(QStringLiteral("工程名称："), ControlEdit2);
    form->addRow(QStringLiteral("工程编号："), ControlEdit3);
    form->addRow(QStringLiteral("建设单位："), ControlEdit4);
    form->addRow(QStringLiteral("计算人："), ControlEdit5);
    form->addRow(QStringLiteral("校对人："), ControlEdit6);
    form->addRow(QStringLiteral("审定人："), ControlEdit7);
    form->addRow(QStringLiteral("日期："), DateTimePicker1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FlatButton2);
    buttons->addWidget(FlatButton3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(RadioGroup1);
    layout->addWidget(RadioGroup2);
    layout->addWidget(ComboBox1);
    layout->addLayout(buttons);
    resize(420, 480);

    BrowseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(this, QStringLiteral("请选择保存位置"), start);
    };
    connect(Edit1, &QLineEdit::textChanged, this, &TNewProject::UpdateFolder);
    connect(FlatButton1, &QPushButton::clicked, this, &TNewProject::FlatButton1Click);
    connect(FlatButton2, &QPushButton::clicked, this, &TNewProject::FlatButton2Click);
    connect(FlatButton3, &QPushButton::clicked, this, [this] { done(mrCancel); });
    connect(ComboBox1, &QComboBox::activated, this, &TNewProject::ComboBox1Change);
}

void TNewProject::showEvent(QShowEvent* event)
{
    FormShow();
    if (QWidget* parent = parentWidget())
        move(parent->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TNewProject::FormShow()
{
    for (TControlEdit* edit :
         {Edit1, Edit2, ControlEdit2, ControlEdit3, ControlEdit4, ControlEdit5, ControlEdit6, ControlEdit7})
        edit->clear();
    DateTimePicker1->setDate(QDate::currentDate());
    ComboBox1->clear();
    ComboBox1->setEditable(false);
    const QStringList templates = CProjectTemplates::List();
    ComboBox1->addItems(templates);
    // Without a usable template file "模板" could only name a file that does not exist.
    const bool any = !templates.isEmpty();
    RadioGroup2->setEnabled(any);
    ComboBox1->setEnabled(any);
    if (any) {
        ComboBox1->setCurrentIndex(0);
    } else {
        SetRadioGroup2Index(0);
        ComboBox1->setEditable(true);
        ComboBox1->setEditText(QStringLiteral("(无)"));
    }
    Edit1->setText(QStringLiteral("UnNominate"));
    UpdateFolder();
}

void TNewProject::UpdateFolder()
{
    // A root ("/" or a drive "D:\") already ends with its separator.
    const bool root = SaveLocation.size() <= 3 &&
                      (SaveLocation.endsWith(QLatin1Char('/')) || SaveLocation.endsWith(QLatin1Char('\\')));
    Edit2->setText(root ? SaveLocation + Edit1->text() : SaveLocation + QLatin1Char('/') + Edit1->text());
}

void TNewProject::FlatButton1Click()
{
    SaveLocation = Edit2->text();
    const QString chosen = BrowseFolder ? BrowseFolder(SaveLocation) : QString();
    if (chosen.isEmpty())
        return;
    SaveLocation = chosen;
    UpdateFolder();
}

void TNewProject::FlatButton2Click()
{
    if (Edit1->text().trimmed().isEmpty())
        return;
    done(mrOk);
}

void TNewProject::ComboBox1Change()
{
    SetRadioGroup2Index(1);
}

void TNewProject::reject()
{
    done(mrCancel);
}

int TNewProject::RadioGroup1Index() const
{
    return m_unitButtons->checkedId();
}

int TNewProject::RadioGroup2Index() const
{
    return m_modeButtons->checkedId();
}

void TNewProject::SetRadioGroup2Index(int index)
{
    m_modeButtons->button(index)->setChecked(true);
}

void TNewProject::GetProjectData(CProjectData& data) const
{
    data.ProjectName = ControlEdit2->text();
    data.ProjectNumber = ControlEdit3->text();
    data.Owner = ControlEdit4->text();
    data.Designer = ControlEdit5->text();
    data.Checker = ControlEdit6->text();
    data.Examiner = ControlEdit7->text();
    data.DesignDate = DateTimePicker1->date();
    data.Unit = RadioGroup1Index();
}
