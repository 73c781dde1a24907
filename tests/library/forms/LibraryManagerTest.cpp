// The library manager and picker on the system library and a copy of the blank project: which
// actions a record offers by where it comes from, cloning, picking from each source, cancelling
// with unsaved edits, refusing a number box without a number, and the all-or-nothing save.
#include "tests/library/forms/LibraryFormsFixture.h"

#include "app/controls/TControlEdit.h"
#include "library/CHvacData.h"
#include "library/CMaterialNode.h"
#include "library/forms/TEditPicture.h"
#include "library/forms/TTLibManageForm.h"
#include "library/forms/TTMaterialTreeFrame.h"
#include "library/forms/TTMaterial_BaseForm.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QTreeWidget>

namespace {
constexpr int kOutsideWall = 0;
const QString kSystemWall = QStringLiteral("240粘土砖墙(内外抹灰)"); // ID 5, 标准材料

class LibraryManager : public LibraryFormsFixture
{
protected:
    void SetUp() override
    {
        LibraryFormsFixture::SetUp();
        ExecProject(QStringLiteral("insert into OutsideWall_Lib (ID, Name, catergory, InsulationMaterials, Deta, K_S, "
                                   "K_W) values (1, 'A', '工程材料', '聚苯板', 0.05, 0.6, 0.6)"));
    }
    QStringList WallRows() { return ProjectColumn(QStringLiteral("select Name || ' ' || Deta from OutsideWall_Lib order by Name")); }
    static TControlEdit* Edit(TTLibManageForm& form, const QString& key)
    {
        return static_cast<TControlEdit*>(form.RecordFrame->ControlOf(key));
    }
    static void Select(TTLibManageForm& form, CMaterialNode* node)
    {
        ASSERT_NE(node, nullptr);
        form.TMaterialTreeFrame1->SelectNode(node);
        ASSERT_EQ(form.CurrentNode(), node);
    }
    // "delete rename clone | toProject toSystem" of the shown record.
    static QString Actions(const TTLibManageForm& form)
    {
        auto on = [](const QAction* action) { return action->isEnabled() ? QStringLiteral("1") : QStringLiteral("0"); };
        auto shown = [](const QAction* action) { return action->isVisible() ? QStringLiteral("1") : QStringLiteral("0"); };
        return on(form.act_delete) + on(form.act_rename) + on(form.act_clone) + QLatin1Char('|') +
               shown(form.act_movetoprj) + shown(form.act_movetosys);
    }
    // Another project file holding the record "B".
    QString OtherProject()
    {
        const QString file = m_folder.File(QStringLiteral("User/Other.VLZ"));
        EXPECT_TRUE(QFile::copy(m_folder.File(QStringLiteral("Project/ProjectModule.dat")), file));
        CDbConnection other(QStringLiteral("OtherFixture"));
        other.Open(file);
        CDbQuery query(other);
        query.SetSQL(CSQLStatement(
            "insert into OutsideWall_Lib (ID, Name, catergory, Deta) values (7, 'B', '其它', 0.1)"));
        query.ExecSQL();
        return file;
    }
};
} // namespace

TEST_F(LibraryManager, ActionsFollowTheRecordsSourceAndWhetherAProjectIsOpen)
{
    const QString other = OtherProject();
    struct SCase
    {
        bool projectOpen;
        const char* root; // 0 system, 1 project, 2 other project
        QString record;
        const char* actions;
    };
    const SCase cases[] = {
        {true, "system", kSystemWall, "000|10"},
        {true, "project", QStringLiteral("A"), "111|01"},
        {true, "other", QStringLiteral("B"), "000|11"},
        {false, "system", kSystemWall, "111|00"},
        {false, "other", QStringLiteral("B"), "000|01"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.projectOpen).arg(QLatin1String(c.root)).toStdString());
        if (c.projectOpen && !m_project.ProjectCon.IsOpen())
            m_project.ProjectCon.Open(m_folder.File(QStringLiteral("User/Test.VLZ")));
        if (!c.projectOpen)
            m_project.ProjectCon.Close();
        auto form = Manager(kOutsideWall);
        CMaterialNode* root = nullptr;
        if (QLatin1String(c.root) == QLatin1String("system"))
            root = form->TMaterialTreeFrame1->GetSystemRoot();
        else if (QLatin1String(c.root) == QLatin1String("project"))
            root = form->TMaterialTreeFrame1->GetProjectRoot();
        else {
            Dialogs().FileAnswers << other;
            form->TMaterialTreeFrame1->OpenOtherProject();
            root = form->TMaterialTreeFrame1->Roots().back().get();
            EXPECT_EQ(root->Caption, QStringLiteral("Other.VLZ"));
        }
        Select(*form, Record(root, c.record));
        EXPECT_EQ(Actions(*form), QLatin1String(c.actions));
    }
}

TEST_F(LibraryManager, NoProjectShowsTheSystemRootSelectedAndTheOpenItemLast)
{
    m_project.ProjectCon.Close();
    auto form = Manager(kOutsideWall);
    QTreeWidget* tree = form->TMaterialTreeFrame1->TreeView1;
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("系统数据"));
    EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("打开其它负荷计算工程"));
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));
    EXPECT_EQ(form->TMaterialTreeFrame1->GetProjectRoot(), nullptr);
    // Clicking the open item and cancelling the file choice keeps the selection.
    Dialogs().FileAnswers << QString();
    tree->setCurrentItem(tree->topLevelItem(1));
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));
    EXPECT_EQ(tree->topLevelItemCount(), 2);
}

TEST_F(LibraryManager, CloningTwiceGivesNumberedCopiesInTheSameCategory)
{
    auto form = Manager(kOutsideWall);
    CMaterialNode* project = form->TMaterialTreeFrame1->GetProjectRoot();
    for (int i = 0; i < 2; ++i) {
        Select(*form, Record(project, QStringLiteral("A")));
        form->act_cloneExecute();
    }
    EXPECT_EQ(form->CurrentNode()->Caption, QStringLiteral("A[副本2]"));
    EXPECT_EQ(form->CurrentNode()->Parent->Caption, QStringLiteral("工程材料"));
    ASSERT_TRUE(form->SaveClick());
    EXPECT_EQ(WallRows(), (QStringList{QStringLiteral("A 0.05"), QStringLiteral("A[副本1] 0.05"),
                                       QStringLiteral("A[副本2] 0.05")}));
    EXPECT_FALSE(form->TMaterialTreeFrame1->HasModified());
}

TEST_F(LibraryManager, PickingCopiesASystemRecordIntoTheProjectOnceAndReusesTheEqualCopy)
{
    auto pickSystemWall = [](TTLibManageForm& form) {
        form.TMaterialTreeFrame1->SelectNode(Record(form.TMaterialTreeFrame1->GetSystemRoot(), kSystemWall));
        form.OkClick();
    };
    const int first = Pick(kOutsideWall, 1, pickSystemWall);
    const int second = Pick(kOutsideWall, 1, pickSystemWall);
    EXPECT_GT(first, 1);
    EXPECT_EQ(second, first);
    EXPECT_EQ(ProjectColumn(QStringLiteral("select count(*) from OutsideWall_Lib where Name = '%1' and "
                                           "catergory = '标准材料'")
                                .arg(kSystemWall)),
              QStringList{QStringLiteral("1")});
    // The equal copy was found by its values: nobody was asked.
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty());
}

TEST_F(LibraryManager, ClosingTheSameNameChoiceWhilePickingCopiesNothing)
{
    ExecProject(QStringLiteral("insert into OutsideWall_Lib (ID, Name, catergory, Deta) values (2, '%1', '标准材料', 9)")
                    .arg(kSystemWall));
    Dialogs().SelectAnswers << -1;
    const int picked = Pick(kOutsideWall, 1, [](TTLibManageForm& form) {
        form.TMaterialTreeFrame1->SelectNode(Record(form.TMaterialTreeFrame1->GetSystemRoot(), kSystemWall));
        form.OkClick();
    });
    EXPECT_EQ(picked, -1);
    EXPECT_TRUE(Dialogs().SelectAnswers.isEmpty());
    EXPECT_EQ(WallRows(), (QStringList{kSystemWall + QStringLiteral(" 9.0"), QStringLiteral("A 0.05")}));
}

TEST_F(LibraryManager, ColumnsTheFrameDoesNotShowKeepTheirValues)
{
    ExecProject(QStringLiteral("insert into OutsideWindow_Lib (ID, Name, catergory, Pane, K_S, ShieldType, Old_ID) "
                               "values (3, '窗', '', '单层', 2.5, 2, 77)"));
    auto form = Manager(6);
    Select(*form, Record(form->TMaterialTreeFrame1->GetProjectRoot(), QStringLiteral("窗")));
    Edit(*form, QStringLiteral("K_S"))->setText(QStringLiteral("2.8"));
    ASSERT_TRUE(form->SaveClick());
    EXPECT_EQ(ProjectColumn(QStringLiteral("select K_S || ' ' || ShieldType || ' ' || Old_ID from OutsideWindow_Lib")),
              QStringList{QStringLiteral("2.8 2 77")});
}

TEST_F(LibraryManager, PickingAProjectRecordAnswersItsIdAndCancellingAnswersMinusOne)
{
    EXPECT_EQ(Pick(kOutsideWall, 1, [](TTLibManageForm& form) { form.OkClick(); }), 1);
    EXPECT_EQ(Pick(kOutsideWall, 1, [](TTLibManageForm& form) { form.CancelClick(); }), -1);
    EXPECT_EQ(WallRows(), QStringList{QStringLiteral("A 0.05")});
}

TEST_F(LibraryManager, CancellingAfterAnEditAsksAndSavesOnlyOnYes)
{
    auto editAndCancel = [](TTLibManageForm& form) {
        Edit(form, QStringLiteral("Deta"))->setText(QStringLiteral("0.12"));
        form.CancelClick();
    };
    Dialogs().MessageBoxAnswers << 7; // 否
    EXPECT_EQ(Pick(kOutsideWall, 1, editAndCancel), -1);
    EXPECT_EQ(WallRows(), QStringList{QStringLiteral("A 0.05")});
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes[0].message, QStringLiteral("数据已经被修改，是否保存？"));
    EXPECT_EQ(Dialogs().MessageBoxes[0].caption, QStringLiteral("警告"));

    Dialogs().MessageBoxAnswers << 6; // 是
    EXPECT_EQ(Pick(kOutsideWall, 1, editAndCancel), 1);
    EXPECT_EQ(WallRows(), QStringList{QStringLiteral("A 0.12")});
}

TEST_F(LibraryManager, ANumberBoxWithoutANumberIsRefusedAndNothingIsWritten)
{
    auto form = Manager(kOutsideWall);
    CMaterialNode* a = Record(form->TMaterialTreeFrame1->GetProjectRoot(), QStringLiteral("A"));
    Select(*form, a);
    TControlEdit* deta = Edit(*form, QStringLiteral("Deta"));
    deta->setText(QStringLiteral("abc"));
    EXPECT_TRUE(deta->ShowsError());
    EXPECT_FALSE(form->SaveClick());
    ASSERT_FALSE(Dialogs().MessageBoxes.isEmpty());
    EXPECT_TRUE(Dialogs().MessageBoxes.back().message.contains(QStringLiteral("δ(mm):")));
    EXPECT_EQ(WallRows(), QStringList{QStringLiteral("A 0.05")});
    EXPECT_EQ(a->State, CMaterialNode::StateClean);
    // Another record cannot be chosen while the box is wrong.
    form->TMaterialTreeFrame1->SelectNode(Record(form->TMaterialTreeFrame1->GetSystemRoot(), kSystemWall));
    EXPECT_EQ(form->CurrentNode(), a);
    deta->setText(QStringLiteral("0.2"));
    EXPECT_TRUE(form->SaveClick());
    EXPECT_EQ(WallRows(), QStringList{QStringLiteral("A 0.2")});
}

TEST_F(LibraryManager, AFailedSaveLeavesRowsAndTreeAsTheyWereAndASecondSaveWritesThem)
{
    auto form = Manager(kOutsideWall);
    CMaterialNode* project = form->TMaterialTreeFrame1->GetProjectRoot();
    Select(*form, Record(project, QStringLiteral("A")));
    form->act_cloneExecute();
    Select(*form, Record(project, QStringLiteral("A")));
    Edit(*form, QStringLiteral("Deta"))->setText(QStringLiteral("0.3"));
    ExecProject(QStringLiteral("create trigger refuse before update on OutsideWall_Lib "
                               "begin select raise(abort, 'locked'); end"));

    EXPECT_FALSE(form->SaveClick());
    ASSERT_FALSE(Dialogs().Messages.isEmpty());
    EXPECT_TRUE(Dialogs().Messages.back().startsWith(QStringLiteral("保存失败")));
    EXPECT_TRUE(Dialogs().Messages.back().contains(QStringLiteral("locked")));
    EXPECT_EQ(WallRows(), QStringList{QStringLiteral("A 0.05")}); // the copy's insert went back too
    EXPECT_EQ(Record(project, QStringLiteral("A"))->State, CMaterialNode::StateModified);
    EXPECT_EQ(Record(project, QStringLiteral("A[副本1]"))->State, CMaterialNode::StateNew);

    ExecProject(QStringLiteral("drop trigger refuse"));
    EXPECT_TRUE(form->SaveClick());
    EXPECT_EQ(WallRows(), (QStringList{QStringLiteral("A 0.3"), QStringLiteral("A[副本1] 0.05")}));
}

TEST_F(LibraryManager, DeletingAskesAndRemovesTheRowOnSave)
{
    auto form = Manager(kOutsideWall);
    CMaterialNode* project = form->TMaterialTreeFrame1->GetProjectRoot();
    Select(*form, Record(project, QStringLiteral("A")));
    Dialogs().MessageBoxAnswers << 6;
    form->act_deleteExecute();
    EXPECT_EQ(Dialogs().MessageBoxes.back().message, QStringLiteral("确认删除[A]？"));
    EXPECT_EQ(form->CurrentNode()->Caption, QStringLiteral("工程材料"));
    EXPECT_TRUE(form->RecordFrame->isHidden());
    ASSERT_TRUE(form->SaveClick());
    EXPECT_TRUE(WallRows().isEmpty());
}

TEST_F(LibraryManager, RenamingAsksAgainForAnEmptyOrTakenName)
{
    auto form = Manager(kOutsideWall);
    CMaterialNode* project = form->TMaterialTreeFrame1->GetProjectRoot();
    Select(*form, Record(project, QStringLiteral("A")));
    form->act_cloneExecute();
    Dialogs().InputAnswers << QStringLiteral("A") << QString(QLatin1String("")) << QStringLiteral("工程材料")
                           << QStringLiteral("B");
    form->act_renameExecute();
    EXPECT_TRUE(Dialogs().InputAnswers.isEmpty());
    EXPECT_EQ(Dialogs().Messages, (QStringList{QStringLiteral("该名称已经被使用"), QStringLiteral("该名称已经被使用")}));
    EXPECT_EQ(form->CurrentNode()->Caption, QStringLiteral("B"));
    ASSERT_TRUE(form->SaveClick());
    EXPECT_EQ(WallRows(), (QStringList{QStringLiteral("A 0.05"), QStringLiteral("B 0.05")}));
}

TEST_F(LibraryManager, AnImportedPictureIsStoredWithTheRecord)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString file = m_folder.File(QStringLiteral("User/wall.bmp"));
    ASSERT_TRUE(image.save(file, "BMP"));
    auto form = Manager(kOutsideWall);
    Select(*form, Record(form->TMaterialTreeFrame1->GetProjectRoot(), QStringLiteral("A")));
    Dialogs().FileAnswers << file;
    form->EditPicture1->Button3Click();
    EXPECT_TRUE(form->EditPicture1->ShowsPicture());
    ASSERT_TRUE(form->SaveClick());
    QFile stored(file);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(ProjectColumn(QStringLiteral("select hex(BMP) from OutsideWall_Lib")),
              QStringList{QString::fromLatin1(stored.readAll().toHex().toUpper())});
}

TEST_F(LibraryManager, UseLibrariesHideThePictureAndFillTheHeight)
{
    auto form = Manager(16);
    EXPECT_TRUE(form->GroupBox3->isHidden());
    EXPECT_EQ(form->GroupBox2->geometry().top(), form->GroupBox1->geometry().top());
    EXPECT_EQ(form->GroupBox2->height(), form->GroupBox1->height());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("房间用途编辑"));
}
