// The export and import dialogs of the library exchange files on the system library and a copy of
// the blank project: the lists they show, the file they write, the records they merge and the
// failures that keep the import dialog open.
#include "tests/library/forms/LibraryFormsFixture.h"

#include "app/controls/TBMPButton.h"
#include "library/CMatInOut.h"
#include "library/forms/TExportMaterials.h"
#include "library/forms/TGuideMaterials.h"
#include "platform/core/CDbQuery.h"
#include "tests/library/LibraryFileBytes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>

namespace {
constexpr int kOutsideWall = 0;
constexpr int kInsideWall = 1;

class LibraryExchangeDialogs : public LibraryFormsFixture
{
protected:
    static QStringList Items(const TLibExchangeDialogBase& dialog)
    {
        QStringList items;
        for (int i = 0; i < dialog.CheckListBox1->count(); ++i)
            items << (dialog.CheckListBox1->item(i)->checkState() == Qt::Checked ? "+" : "-") +
                         dialog.CheckListBox1->item(i)->text();
        return items;
    }
    QStringList System(const QString& sql)
    {
        CDbQuery query(m_sysParam.ADOConnection2);
        OpenQueryGuarded(query, CSQLStatement(sql));
        QStringList values;
        for (query.First(); !query.Eof(); query.Next())
            values << query.Field(0).toString();
        return values;
    }
};
} // namespace

TEST_F(LibraryExchangeDialogs, ExportListsTheChosenSourceAndWritesTheTickedRecords)
{
    ExecProject("insert into InsideWall_Lib (Name, catergory, K_S) values ('P1', '工程', 1.25), ('P2', '工程', 2.5)");
    TExportMaterials dialog;
    dialog.SetLibraryKind(kInsideWall);
    EXPECT_EQ(dialog.ComboBox1->currentText(), QStringLiteral("系统数据"));
    const QStringList system = Items(dialog);
    ASSERT_FALSE(system.isEmpty());
    EXPECT_TRUE(std::all_of(system.begin(), system.end(), [](const QString& item) { return item.startsWith('+'); }));
    EXPECT_EQ(System("select count(*) from InsideWall_Lib").value(0).toInt(), system.size());

    dialog.ComboBox1->setCurrentIndex(0);
    dialog.ComboBox1Change();
    EXPECT_EQ(Items(dialog), QStringList({"+工程:P1", "+工程:P2"}));
    dialog.CheckListBox1->item(0)->setCheckState(Qt::Unchecked);
    Dialogs().FileAnswers = {m_folder.File("User/abc.txt")};
    dialog.FlatButton2->click();
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(Dialogs().FileDialogs.value(0).filter, QStringLiteral("内墙 File(*.nq)"));

    CMatInOut file;
    ASSERT_TRUE(file.LoadFile(m_folder.File("User/abc.nq")));
    ASSERT_EQ(file.GetRecordCount(), 1);
    EXPECT_EQ(file.GetRecordName(0), QStringLiteral("P2"));
    EXPECT_EQ(file.Value(0, QStringLiteral("夏季传热系数/K_S")), QStringLiteral("2.5"));
    EXPECT_EQ(file.HeaderTexts().value(0), QStringLiteral("工程数据"));

    // Nothing ticked: the columns and no record.
    dialog.CheckBox2->setChecked(true);
    dialog.CheckBox2Click();
    dialog.Export(m_folder.File("User/none.nq"));
    ASSERT_TRUE(file.LoadFile(m_folder.File("User/none.nq")));
    EXPECT_EQ(file.GetRecordCount(), 0);
    EXPECT_EQ(file.Captions().size(), 16);
}

TEST_F(LibraryExchangeDialogs, AnEmptyOrUnreadableSourceWritesNoFile)
{
    TExportMaterials dialog;
    dialog.SetLibraryKind(kOutsideWall);
    dialog.ComboBox1->setCurrentIndex(0);
    dialog.ComboBox1Change(); // the blank project holds no outside wall
    dialog.Export(m_folder.File("User/empty.wq"));
    EXPECT_FALSE(QFile::exists(m_folder.File("User/empty.wq")));
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes[0].message, QStringLiteral("数据为空！"));

    m_project.ProjectCon.Close();
    dialog.ComboBox1Change();
    EXPECT_EQ(Dialogs().MessageBoxes.last().message, QStringLiteral("连接或者查询数据库失败"));
    EXPECT_EQ(dialog.CheckListBox1->count(), 0);
}

TEST_F(LibraryExchangeDialogs, ImportMergesTheTickedRecordsIntoTheSystemLibrary)
{
    ExecProject("insert into OutsideWall_Lib (Name, catergory, K_S) values ('导入1', '导入', 0.25), "
                "('导入2', '导入', 0.5), ('导入3', '导入', 0.75)");
    TExportMaterials exporter;
    exporter.SetLibraryKind(kOutsideWall);
    exporter.ComboBox1->setCurrentIndex(0);
    exporter.ComboBox1Change();
    exporter.Export(m_folder.File("User/walls.wq"));

    TGuideMaterials dialog;
    dialog.SetLibraryKind(kOutsideWall);
    dialog.LoadFile(m_folder.File("User/walls.wq"));
    EXPECT_EQ(Items(dialog), QStringList({"+导入1", "+导入2", "+导入3"}));
    dialog.CheckListBox1->item(1)->setCheckState(Qt::Unchecked);
    dialog.FlatButton2->click();
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(System("select Name || '=' || K_S from OutsideWall_Lib where catergory = '导入' order by ID"),
              QStringList({"导入1=0.25", "导入3=0.75"}));
}

TEST_F(LibraryExchangeDialogs, AFailedImportIsShownUndoneAndKeepsTheDialogOpen)
{
    // A layered file: one list item per construction; the second's thickness is no number.
    const QStringList captions = {"库名称", "名称", "材料名称", "材料层厚度", "换热系数", "导热修正系数", "密度", "比热"};
    QFile file(m_folder.File("User/layers.wq"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(LibraryFileBytes(1, captions,
                                {{"层", "好墙", "砖", "240", "0.81", "1", "1800", "1050"},
                                 {"", "", "砂浆", "20", "0.93", "1", "1800", "1050"},
                                 {"层", "坏墙", "砖", "厚", "0.81", "1", "1800", "1050"}}));
    file.close();

    TGuideMaterials dialog;
    dialog.SetLibraryKind(kOutsideWall);
    Dialogs().FileAnswers = {m_folder.File("User/layers.wq")};
    dialog.BMPButton2->click();
    EXPECT_EQ(dialog.Edit1->text(), m_folder.File("User/layers.wq"));
    EXPECT_EQ(Items(dialog), QStringList({"+好墙", "+坏墙"}));
    dialog.open();
    dialog.FlatButton2->click();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(Dialogs().Messages.size(), 1);
    EXPECT_TRUE(Dialogs().Messages[0].contains(QStringLiteral("厚")));
    EXPECT_EQ(System("select count(*) from OutsideWall_Lib where catergory = '层'"), QStringList({"0"}));

    // Without the bad one the good construction and its two layers arrive.
    dialog.CheckListBox1->item(1)->setCheckState(Qt::Unchecked);
    dialog.FlatButton2->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(System("select count(*) from Material_detail where StructID = (select ID from OutsideWall_Lib where "
                     "catergory = '层')"),
              QStringList({"2"}));

    // A second file replaces the list; a refused one leaves it empty with the path shown.
    QFile other(m_folder.File("User/other.wq"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("not a library file");
    other.close();
    dialog.LoadFile(m_folder.File("User/other.wq"));
    EXPECT_EQ(dialog.CheckListBox1->count(), 0);
    EXPECT_EQ(Dialogs().MessageBoxes.last().message, QStringLiteral("文件格式不正确"));
    EXPECT_EQ(dialog.Edit1->text(), m_folder.File("User/other.wq"));
}
