#include "tests/app/MainWindowFixture.h"

#include "app/controls/ModalResult.h"
#include "model/CNodeData.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "project/CSystemGlobalData.h"
#include "tests/app/TestApplication.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QTreeWidget>

namespace {
// Cancels the batch storey-and-room dialog when it shows, while the flag says so.
class BatchDialogCloser : public QObject
{
public:
    explicit BatchDialogCloser(const bool& enabled) : m_enabled(enabled) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && m_enabled && watched->inherits("TStorey_Room_Form"))
            if (auto* dialog = qobject_cast<QDialog*>(watched))
                QMetaObject::invokeMethod(dialog, [dialog] { dialog->done(mrCancel); }, Qt::QueuedConnection);
        return false;
    }

private:
    const bool& m_enabled;
};
} // namespace

void MainWindowFixture::SetUp()
{
    EnsureTestApplication();
    auto dialogs = std::make_unique<CFakeToolDialogs>();
    m_dialogs = dialogs.get();
    m_start = std::make_unique<CProgramStart>(std::move(dialogs));
    m_batchDialogCloser = std::make_unique<BatchDialogCloser>(CancelBatchDialogs);
    QCoreApplication::instance()->installEventFilter(m_batchDialogCloser.get());
}

void MainWindowFixture::TearDown()
{
    if (m_window)
        m_window->close();
    m_window.reset();
    m_start.reset();
    m_batchDialogCloser.reset();
}

void MainWindowFixture::ShowWindow(const QStringList& commandLine)
{
    if (!m_window)
        m_window = std::make_unique<TVoro_Main>();
    ASSERT_TRUE(m_start->Start(m_window.get()));
    m_window->SetCommandLine(commandLine);
    m_window->show();
}

QString MainWindowFixture::NewProject(const QString& fileName)
{
    const QString path = m_folder.File(QStringLiteral("User/") + fileName);
    QFile::remove(path);
    EXPECT_TRUE(QFile::copy(m_folder.File(QStringLiteral("Project/ProjectModule.dat")), path));
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

void MainWindowFixture::OpenSmallProject()
{
    if (!CSystemGlobalData::Exists())
        ShowWindow();
    m_projectPath = NewProject(QStringLiteral("小工程.VLZ"));
    CSystemGlobalData::Current().OpenProject(m_projectPath);
    ASSERT_TRUE(CSystemGlobalData::Current().IsProjectOpen());
    CNodeData& root = CTreeView2DB::Current().Root();
    CNodeData* building = root.CreateChild(1, QString(), nullptr, 0);
    ASSERT_NE(building, nullptr);
    CNodeData* storey = building->CreateChild(2, QString(), nullptr, 0);
    ASSERT_NE(storey, nullptr);
    for (int i = 0; i < 2; ++i) {
        CNodeData* room = storey->CreateChild(3, QString(), nullptr, 0);
        ASSERT_NE(room, nullptr);
        ASSERT_NE(room->CreateChild(4, QString(), nullptr, 0), nullptr);
    }
    m_window->ReloadTreeView();
    m_window->TreeWidget()->expandAll();
}

CNodeData* MainWindowFixture::Node(int type, const QString& caption) const
{
    return CTreeView2DB::Current().Root().FindNodeByCaption(type, caption);
}

CTreeItem* MainWindowFixture::Item(int type, const QString& caption) const
{
    CNodeData* node = Node(type, caption);
    return node ? node->TreeItem() : nullptr;
}

void MainWindowFixture::Select(CTreeItem* item)
{
    m_window->MainTreeView()->Select(item);
}

void MainWindowFixture::Trigger(const char* action)
{
    QAction* command = m_window->Action(QString::fromLatin1(action));
    ASSERT_NE(command, nullptr) << action;
    command->trigger();
}

QStringList MainWindowFixture::WidgetChildren(CTreeItem* item) const
{
    QStringList captions;
    QTreeWidgetItem* widgetItem = m_window->WidgetItem(item);
    for (int i = 0; widgetItem && i < widgetItem->childCount(); ++i)
        captions << widgetItem->child(i)->text(0);
    return captions;
}
