#include "app/controls/TRadioGroup.h"
#include "lang/CMultiLanguage.h"
#include "lang/forms/CLgForm.h"
#include "lang/forms/CLgFormAttacher.h"
#include "tests/app/TestApplication.h"
#include "tests/lang/LanguageFolder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>

namespace {
// A combo box class of its own: its entries are not the translator's business.
class TOwnComboBox : public QComboBox
{
};

// An embedded page: its parts are its own, not the form's.
class TEmbeddedPage : public QWidget
{
public:
    TEmbeddedPage()
    {
        setObjectName("Page1");
        auto* label = new QLabel(QStringLiteral("页面标签"), this);
        label->setObjectName("PageLabel");
    }
};

// A form built as the program builds its dialogs, counting the translation notices it receives.
class TTestForm : public QDialog
{
public:
    TTestForm()
    {
        setObjectName("TestForm");
        setWindowTitle(QStringLiteral("测试窗口"));
        auto* layout = new QHBoxLayout(this);
        auto add = [&](auto* widget, const char* name) {
            widget->setObjectName(name);
            layout->addWidget(widget);
            return widget;
        };
        OkButton = add(new QPushButton(QStringLiteral("确定")), "Button1");
        OkButton->setToolTip(QStringLiteral("确定并关闭"));
        OtherButton = add(new QPushButton(QStringLiteral("其它")), "Button2");
        Label = add(new QLabel(QStringLiteral("名称")), "Label1");
        BoldLabel = add(new QLabel(QStringLiteral("标题")), "Label2");
        QFont bold = BoldLabel->font();
        bold.setBold(true);
        bold.setPointSize(14);
        BoldLabel->setFont(bold);
        Edit = add(new QLineEdit(QStringLiteral("默认名称")), "Edit1");
        Combo = add(new QComboBox, "ComboBox1");
        Combo->addItems({QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"), QStringLiteral("四")});
        Combo->setCurrentIndex(2);
        OwnCombo = add(new TOwnComboBox, "ComboBox2");
        OwnCombo->addItems({QStringLiteral("一"), QStringLiteral("二")});
        List = add(new QListWidget, "ListBox1");
        List->addItems({QStringLiteral("甲"), QStringLiteral("乙")});
        Radio = add(new TRadioGroup(QStringLiteral("方式"), {QStringLiteral("甲"), QStringLiteral("乙")}), "RadioGroup1");
        Tree = add(new QTreeWidget, "ListView1");
        Tree->setHeaderLabels({QStringLiteral("名称"), QStringLiteral("面积")});
        Tabs = add(new QTabWidget, "PageControl1");
        auto* sheet = new QWidget;
        sheet->setObjectName("TabSheet1");
        Tabs->addTab(sheet, QStringLiteral("基本"));
        Page = add(new TEmbeddedPage, "Page1");
        Spin = add(new QSpinBox, "SpinEdit1");
        Spin->setValue(7);

        auto* bar = new QMenuBar(this);
        bar->setObjectName("MainMenu");
        QMenu* file = bar->addMenu(QStringLiteral("文件"));
        Open = new QAction(QStringLiteral("打开"), this);
        Open->setObjectName("Action_Open");
        Open->setToolTip(QStringLiteral("打开"));
        Open->setStatusTip(QStringLiteral("打开工程"));
        file->addAction(Open);
        file->addSeparator();
        file->addAction(QStringLiteral("关闭"));
        auto* tools = new QToolBar(this);
        tools->setObjectName("ToolBar1");
        tools->addAction(QStringLiteral("保存"));

        ChildWindow = new QDialog(this);
        ChildWindow->setObjectName("ChildForm");
        ChildWindow->setWindowTitle(QStringLiteral("子窗口"));
    }

    bool event(QEvent* e) override
    {
        if (e->type() == CLgForm::TranslatedEvent)
            ++Notices;
        return QDialog::event(e);
    }

    QPushButton* OkButton;
    QPushButton* OtherButton;
    QLabel* Label;
    QLabel* BoldLabel;
    QLineEdit* Edit;
    QComboBox* Combo;
    QComboBox* OwnCombo;
    QListWidget* List;
    TRadioGroup* Radio;
    QTreeWidget* Tree;
    QTabWidget* Tabs;
    TEmbeddedPage* Page;
    QSpinBox* Spin;
    QAction* Open;
    QDialog* ChildWindow;
    int Notices = 0;
};

const char* const EnglishGroup = R"(<group name="form_TestForm">
  <item name="TestForm_Caption" value="Test window"/>
  <item name="Button1_Caption" value="OK"/>
  <item name="Button1_Hint" value="OK and close"/>
  <item name="Label1_Hint" value="Never looked up"/>
  <item name="Label2_Caption" value="Title"/>
  <item name="Edit1_Text" value="Default name"/>
  <item name="ComboBox1_item_0" value="one"/>
  <item name="ComboBox1_item_2" value="three"/>
  <item name="ComboBox1_item_3" value="four"/>
  <item name="ComboBox2_item_0" value="one"/>
  <item name="ListBox1_Index_1" value="B"/>
  <item name="RadioGroup1_Caption" value="Mode"/>
  <item name="RadioGroup1_Index_0" value="A"/>
  <item name="ListView1_Column_1" value="Area"/>
  <item name="TabSheet1_Caption" value="Basic"/>
  <item name="PageLabel_Caption" value="Not mine"/>
  <item name="ChildForm_Caption" value="Not mine either"/>
  <item name="qt_spinbox_lineedit_Text" value="Qt's own"/>
  <item name="Action_Open_Caption" value="Open"/>
  <item name="Action_Open_Hint" value="Open|Open a project"/>
  <item name="actionbar_0_0_0" value="File"/>
  <item name="actionbar_0_0_0_2" value="Close"/>
  <item name="actionbar_1_1_0" value="Save"/>
</group>)";

class FormTranslation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        m_folder.Write("config.ini", QStringLiteral("[setting]\ndefault=cn\n"
                                                    "[cn]\nfilename=cn.xml\nfont-name=\n"
                                                    "[en]\nfilename=en.xml\nfont-name=Noto Sans Mono CJK SC\ndissize=3\n"
                                                    "[broken]\nfilename=broken.xml\nfont-name=\n"));
        m_folder.Write("cn.xml", LanguageFolder::LanguageFile(QString()));
        m_folder.Write("en.xml", LanguageFolder::LanguageFile(QString::fromUtf8(EnglishGroup)));
        m_folder.Write("broken.xml", QByteArray("<root><trans>"));
        GetMultiLanguage().ReadLanguageConfig(m_folder.Path());
    }
    void TearDown() override { GetMultiLanguage().ReadLanguageConfig(QString()); }

    void Select(const char* language)
    {
        GetMultiLanguage().SelectLanguage(language, true);
        QCoreApplication::processEvents();
    }

    LanguageFolder m_folder;
};
} // namespace

TEST_F(FormTranslation, AttachingReplacesTheTextsThatHaveAnItemAndKeepsTheOthers)
{
    Select("en");
    TTestForm form;
    CLgForm translator;
    translator.Attach(&form);
    EXPECT_EQ(form.windowTitle(), "Test window");
    EXPECT_EQ(form.OkButton->text(), "OK");
    EXPECT_EQ(form.OkButton->toolTip(), "OK and close");
    EXPECT_EQ(form.OtherButton->text(), QStringLiteral("其它"));
    EXPECT_EQ(form.Label->toolTip(), ""); // an empty hint is not looked up
    EXPECT_EQ(form.Edit->text(), "Default name");
    EXPECT_EQ(form.List->item(0)->text(), QStringLiteral("甲"));
    EXPECT_EQ(form.List->item(1)->text(), "B");
    EXPECT_EQ(form.Radio->title(), "Mode");
    EXPECT_EQ(form.Radio->Button(0)->text(), "A");
    EXPECT_EQ(form.Tree->headerItem()->text(0), QStringLiteral("名称"));
    EXPECT_EQ(form.Tree->headerItem()->text(1), "Area");
    EXPECT_EQ(form.Tabs->tabText(0), "Basic");
    EXPECT_EQ(form.Open->text(), "Open");
    EXPECT_EQ(form.Open->toolTip(), "Open");
    EXPECT_EQ(form.Open->statusTip(), "Open a project");
    const QList<QAction*> bar = form.findChild<QMenuBar*>()->actions();
    EXPECT_EQ(bar.at(0)->text(), "File");
    EXPECT_EQ(bar.at(0)->menu()->actions().at(2)->text(), "Close");
    EXPECT_EQ(form.findChild<QToolBar*>()->actions().at(0)->text(), "Save");
    // The parts of an embedded page and a child window are theirs.
    EXPECT_EQ(form.findChild<QLabel*>("PageLabel")->text(), QStringLiteral("页面标签"));
    EXPECT_EQ(form.ChildWindow->windowTitle(), QStringLiteral("子窗口"));
    EXPECT_EQ(form.Spin->value(), 7); // Qt's inner parts neither
    EXPECT_EQ(CLgForm::Find(&form), &translator);
    EXPECT_EQ(translator.GetText("ComboBox1_item_3", "x"), "four");
    EXPECT_EQ(translator.GetText("missing", "x"), "x");
}

TEST_F(FormTranslation, ComboBoxesKeepTheirSelectionAndOwnClassesTheirEntries)
{
    Select("en");
    TTestForm form;
    int changes = 0;
    QObject::connect(form.Combo, &QComboBox::currentIndexChanged, [&changes] { ++changes; });
    CLgForm translator;
    translator.Attach(&form);
    EXPECT_EQ(form.Combo->currentIndex(), 2);
    EXPECT_EQ(form.Combo->currentText(), "three");
    EXPECT_EQ(form.Combo->itemText(1), QStringLiteral("二"));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(form.OwnCombo->itemText(0), QStringLiteral("一"));
}

TEST_F(FormTranslation, FontsGrowByDissizeOnceWhateverTheLanguageChanges)
{
    TTestForm form;
    const QFont formFont = form.font();
    const QFont boldFont = form.BoldLabel->font();
    CLgForm translator;
    translator.Attach(&form);
    EXPECT_EQ(form.font(), formFont); // an empty font name keeps the forms' fonts

    for (int round = 0; round < 2; ++round) {
        Select("en");
        translator.Attach(&form); // attaching again changes nothing
        EXPECT_EQ(form.font().family(), "Noto Sans Mono CJK SC");
        EXPECT_EQ(form.font().pointSizeF(), formFont.pointSizeF() + 3);
        EXPECT_EQ(form.BoldLabel->font().family(), "Noto Sans Mono CJK SC");
        EXPECT_EQ(form.BoldLabel->font().pointSizeF(), 17);
        EXPECT_TRUE(form.BoldLabel->font().bold());
        EXPECT_EQ(form.Label->font().pointSizeF(), formFont.pointSizeF() + 3); // follows the form
        Select("cn");
    }
    EXPECT_EQ(boldFont.pointSizeF(), 14);
}

TEST_F(FormTranslation, EveryAttachPostsOneNotice)
{
    TTestForm form;
    CLgForm translator;
    translator.Attach(&form);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Notices, 1);
    translator.Attach(&form);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Notices, 2);
    // A change of language translates every registered form anew.
    Select("en");
    EXPECT_EQ(form.Notices, 3);
    EXPECT_EQ(form.OkButton->text(), "OK");
}

TEST_F(FormTranslation, ALanguageWithoutTheTextsOrWithADamagedFileGivesTheFormsOwnTextsBack)
{
    TTestForm form;
    CLgForm translator;
    translator.Attach(&form);
    Select("en");
    ASSERT_EQ(form.OkButton->text(), "OK");
    // The program sets a text of its own while English is shown: that text stays.
    form.Label->setText(QStringLiteral("名称：房间1"));
    for (const char* language : {"cn", "en", "broken"}) {
        SCOPED_TRACE(language);
        Select(language);
        const bool english = QLatin1String(language) == QLatin1String("en");
        EXPECT_EQ(form.OkButton->text(), english ? QStringLiteral("OK") : QStringLiteral("确定"));
        EXPECT_EQ(form.Open->statusTip(), english ? QStringLiteral("Open a project") : QStringLiteral("打开工程"));
        EXPECT_EQ(form.Combo->currentText(), english ? QStringLiteral("three") : QStringLiteral("三"));
        EXPECT_EQ(form.findChild<QMenuBar*>()->actions().at(0)->text(),
                  english ? QStringLiteral("File") : QStringLiteral("文件"));
        EXPECT_EQ(form.Label->text(), QStringLiteral("名称：房间1"));
    }
    EXPECT_EQ(GetMultiLanguage().TakeProblems().size(), 1);
}

TEST_F(FormTranslation, ShownWindowsOfTheProgramGetATranslatorForTheirLifetime)
{
    CLgFormAttacher::Install();
    CLgFormAttacher::Install();
    Select("en");
    const size_t before = CLgForm::Registered().size();
    {
        TTestForm form;
        form.show();
        EXPECT_EQ(form.OkButton->text(), "OK");
        ASSERT_NE(CLgForm::Find(&form), nullptr);
        EXPECT_EQ(CLgForm::Registered().size(), before + 1);
        form.ChildWindow->show(); // a Qt dialog: none
        EXPECT_EQ(CLgForm::Find(form.ChildWindow), nullptr);
        form.hide();
        form.show();
        EXPECT_EQ(CLgForm::Registered().size(), before + 1);
    }
    EXPECT_EQ(CLgForm::Registered().size(), before);
}
