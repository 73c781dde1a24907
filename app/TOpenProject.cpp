#include "app/TOpenProject.h"

#include "app/TProjectInfoFields.h"
#include "app/controls/ModalResult.h"
#include "model/CProjectData.h"
#include "model/CSysRegistry.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kRecentName = QStringLiteral("ProjectFileName");

// Reading another file's parameters must not act on the running program: without the host the
// load neither sets the coordinate actions nor reloads the open project's operating schemes, and
// the hours per row of the hourly output are put back as they were.
class CPreviewGuard
{
public:
    CPreviewGuard() : m_host(CProjectData::Host()), m_maxTime(CProjectData::MaxTime())
    {
        CProjectData::SetHost(nullptr);
    }
    ~CPreviewGuard()
    {
        CProjectData::SetHost(m_host);
        CProjectData::SetMaxTime(m_maxTime);
    }
    CPreviewGuard(const CPreviewGuard&) = delete;
    CPreviewGuard& operator=(const CPreviewGuard&) = delete;

private:
    CProjectDataHost* m_host;
    int m_maxTime;
};

} // namespace

TOpenProject::TOpenProject(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("OpenProject"));
    setWindowTitle(QStringLiteral("打开工程"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setMaxVisibleItems(20);
    ComboBox1->setMinimumContentsLength(40);
    FlatButton1 = new QPushButton(QStringLiteral("..."), this);
    Fields = new TProjectInfoFields(this);
    FlatButton2 = new QPushButton(QStringLiteral("确定"), this);
    FlatButton2->setDefault(true);
    FlatButton3 = new QPushButton(QStringLiteral("取消"), this);

    auto* file = new QHBoxLayout;
    file->addWidget(new QLabel(QStringLiteral("工程文件名："), this));
    file->addWidget(ComboBox1, 1);
    file->addWidget(FlatButton1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FlatButton2);
    buttons->addWidget(FlatButton3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addWidget(Fields);
    layout->addLayout(buttons);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ShowSelectedProject(); });
    connect(FlatButton1, &QPushButton::clicked, this, &TOpenProject::Button1Click);
    connect(FlatButton2, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(FlatButton3, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

TOpenProject::~TOpenProject() = default;

void TOpenProject::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_filled)
        return;
    m_filled = true;
    FillRecentList();
}

void TOpenProject::FillRecentList()
{
    CSysRegistry registry;
    QString active;
    registry.ReadValue(QStringLiteral("ActiveProjectName"), active);
    QStringList files;
    registry.ReadValues(kRecentName, files);
    files.removeIf([](const QString& path) { return !QFileInfo(path).isFile(); });
    files.removeDuplicates();
    files.sort(Qt::CaseInsensitive);

    const QSignalBlocker blocker(ComboBox1);
    ComboBox1->clear();
    ComboBox1->addItems(files);
    const int index = files.indexOf(active);
    ComboBox1->setCurrentIndex(files.isEmpty() ? -1 : (index >= 0 ? index : 0));
    ShowSelectedProject();
}

void TOpenProject::ShowSelectedProject()
{
    const QString file = ComboBox1->currentText();
    if (file.isEmpty())
        return;
    try {
        if (!m_connection)
            m_connection = std::make_unique<CDbConnection>(QStringLiteral("OpenProjectPreview"));
        m_connection->Open(file);
        CDbQuery query(*m_connection);
        CProjectData preview;
        preview.DataSet = &query;
        {
            const CPreviewGuard guard;
            preview.LoadProjectData();
        }
        Fields->LoadFromData(preview);
    } catch (const Exception& e) {
        // The fields keep what they showed.
        TApplication::ShowException(e.Message());
    }
}

void TOpenProject::Button1Click()
{
    QString file = CProgramFolder::Path();
    if (!CTool::Current().GetOpenFileName(QStringLiteral("打开工程"),
                                          QStringLiteral("VORO工程文件(*.VLZ *.QOR *.XML *.vlz *.qor *.xml)"),
                                          file))
        return;
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QStringLiteral("qor") || suffix == QStringLiteral("xml")) {
        // The converter of the older formats is an outside program that this system lacks.
        CTool::Current().ShowMessageBox(
            QStringLiteral("提示"),
            QStringLiteral("旧格式工程文件（*.QOR、*.XML）需要由格式转换程序“VoroConvert.exe”转换，"
                           "本系统中没有该程序，无法打开此文件。"),
            6, 2);
        return;
    }

    const QSignalBlocker blocker(ComboBox1);
    const int listed = ComboBox1->findText(file);
    if (listed >= 0)
        ComboBox1->removeItem(listed);
    ComboBox1->insertItem(ComboBox1->count() > 0 ? 1 : 0, file);
    ComboBox1->setCurrentIndex(ComboBox1->findText(file));
    ShowSelectedProject();
}

void TOpenProject::SaveRecentList()
{
    QStringList files;
    for (int i = 0; i < ComboBox1->count(); ++i)
        files << ComboBox1->itemText(i);
    if (!ComboBox1->currentText().isEmpty() && !files.contains(ComboBox1->currentText()))
        files << ComboBox1->currentText();
    CSysRegistry().WriteValues(kRecentName, files);
}

void TOpenProject::done(int result)
{
    if (result == mrOk && ComboBox1->currentText().isEmpty())
        return;
    m_connection.reset();
    SaveRecentList();
    QDialog::done(result);
}

void TOpenProject::reject()
{
    done(mrCancel);
}
