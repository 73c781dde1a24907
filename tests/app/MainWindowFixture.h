#pragma once
#include "app/CProgramStart.h"
#include "app/TVoro_Main.h"
#include "tests/support/CFakeToolDialogs.h"
#include "tests/support/CTestProgramFolder.h"

#include <gtest/gtest.h>
#include <memory>

class CNodeData;
class CTreeItem;
class QObject;

// The program started as main starts it, on a private program folder with scripted dialogs,
// and the main window shown; a project can be made from the blank project and opened.
class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window unless the test made one, starts the program and shows the window with
    // the command line.
    void ShowWindow(const QStringList& commandLine = {});
    // A fresh copy of the blank project under User/.
    QString NewProject(const QString& fileName);
    // Starts the program when the test has not, then opens a new project holding 大楼1 > 楼层1 > 房间1, 房间2
    // (each room with 人员1); the tree view is filled and nothing is selected.
    void OpenSmallProject();
    CNodeData* Node(int type, const QString& caption) const;
    CTreeItem* Item(int type, const QString& caption) const;
    void Select(CTreeItem* item);
    void Trigger(const char* action);
    // Captions of the item's children in the window's tree widget.
    QStringList WidgetChildren(CTreeItem* item) const;

    // The batch storey-and-room dialog that placing a building or a storey opens is cancelled as soon
    // as it shows, unless a test drives it itself (false).
    bool CancelBatchDialogs = true;

    CTestProgramFolder m_folder;
    CFakeToolDialogs* m_dialogs = nullptr;
    std::unique_ptr<CProgramStart> m_start;
    std::unique_ptr<TVoro_Main> m_window;
    QString m_projectPath;

private:
    std::unique_ptr<QObject> m_batchDialogCloser;
};
