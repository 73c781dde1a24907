#include "app/controls/CSysOutputManage.h"
#include "app/controls/TSysOutputPanel.h"
#include "lang/CMultiLanguage.h"
#include "lang/forms/CLgForm.h"
#include "lang/forms/CLgFormAttacher.h"
#include "platform/core/CIniFile.h"
#include "tests/app/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QToolBar>

namespace {
// Every text of the main window a user reads without opening a project: "where: text".
QStringList ShownTexts(QWidget& window)
{
    QStringList texts;
    const QWidget* pages = window.findChild<QWidget*>("ScrollBox1");
    const auto add = [&texts](const QObject* object, const QString& what, const QString& text) {
        if (!text.isEmpty())
            texts << QStringLiteral("%1 %2: %3").arg(object->objectName(), what, text);
    };
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        add(action, "text", action->text());
        add(action, "icon text", action->iconText());
        add(action, "tip", action->toolTip());
        add(action, "status", action->statusTip());
    }
    for (const QMenu* menu : window.findChildren<QMenu*>())
        add(menu, "title", menu->title());
    for (const QToolBar* bar : window.findChildren<QToolBar*>())
        add(bar, "title", bar->windowTitle());
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        // The page in the parameter area keeps its own texts.
        if (pages->isAncestorOf(widget))
            continue;
        add(widget, "tool tip", widget->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            add(label, "label", label->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            add(group, "group", group->title());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(button, "button", button->text());
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs, "tab", tabs->tabText(i));
    }
    return texts;
}

// The texts of one list that the other lacks, for a readable failure.
std::string Differences(const QStringList& shown, const QStringList& expected)
{
    QStringList lines;
    for (const QString& text : shown)
        if (!expected.contains(text))
            lines << "shown: " + text;
    for (const QString& text : expected)
        if (!shown.contains(text))
            lines << "expected: " + text;
    return lines.join('\n').toStdString();
}

class MainWindowLanguage : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        CLgFormAttacher::Install();
    }
    void Show()
    {
        ShowWindow();
        QApplication::processEvents();
    }
    void Choose(const char* language)
    {
        m_window->Action_LanguageExecute(QString::fromLatin1(language));
        QApplication::processEvents();
    }
    QString StoredDefault() const
    {
        return CIniFile(m_folder.File("lg/config.ini")).ReadString("setting", "default");
    }
};
} // namespace

TEST_F(MainWindowLanguage, EnglishTranslatesMenusToolBarsAndTheMessagePanelAndChineseComesBack)
{
    Show();
    ASSERT_NE(CLgForm::Find(m_window.get()), nullptr);
    const QStringList chinese = ShownTexts(*m_window);
    EXPECT_EQ(StoredDefault(), "cn");

    Choose("en");
    EXPECT_EQ(StoredDefault(), "en");
    // Names, numbers and the coordinate labels need no translation; everything else does.
    const QRegularExpression han(QStringLiteral("\\p{Han}"));
    QStringList untranslated = ShownTexts(*m_window).filter(han);
    // A plug-in's menu entries carry the name the plug-in gives itself (the example's is Chinese).
    untranslated.removeIf([](const QString& text) { return text.contains(QStringLiteral("房间面积表")); });
    EXPECT_TRUE(untranslated.isEmpty()) << qPrintable(untranslated.join('\n'));
    EXPECT_EQ(m_window->Action("Action_OpenProject")->text(), "&Open Project...");
    EXPECT_EQ(m_window->Action("Action_OpenProject")->iconText(), "Open Project");
    EXPECT_EQ(m_window->MessagePanel()->TabSet1->tabText(SysOutputWarning), "Warnings[none]");
    EXPECT_TRUE(m_window->findChild<QToolBar*>("ActionToolBar2")->actions().at(0)->text() == "Copy");
    EXPECT_TRUE(CSysOutputManage::Instance().Lines(SysOutputWarning).isEmpty());

    Choose("cn");
    EXPECT_EQ(StoredDefault(), "cn");
    EXPECT_EQ(Differences(ShownTexts(*m_window), chinese), "");
}

TEST_F(MainWindowLanguage, TheLanguageMenuListsTheLanguagesWithTheCurrentOneTicked)
{
    Show();
    auto* menu = m_window->findChild<QMenu*>("LanguageMenu");
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    QStringList entries;
    for (const QAction* entry : menu->actions())
        entries << entry->text() + (entry->isChecked() ? "*" : "");
    EXPECT_EQ(entries, (QStringList{"cn*", "en"}));
    menu->actions().at(1)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(GetMultiLanguage().CurrentLanguage(), "en");
    EXPECT_EQ(m_window->Action("Action_Exit")->text(), "E&xit");
}

TEST_F(MainWindowLanguage, TheProgramStartsInTheStoredLanguage)
{
    ASSERT_TRUE(CIniFile(m_folder.File("lg/config.ini")).WriteString("setting", "default", "en"));
    GetMultiLanguage().ReadLanguageConfig(m_folder.File("lg"));
    Show();
    EXPECT_EQ(m_window->Action("Action_NewProject")->text(), "&New Project");
    EXPECT_EQ(m_window->MessagePanel()->TabSet1->tabText(SysOutputError), "Errors[none]");
}

TEST_F(MainWindowLanguage, ADamagedLanguageFileLeavesTheOwnTextsAndSaysSo)
{
    Show();
    const QStringList chinese = ShownTexts(*m_window);
    QFile file(m_folder.File("lg/en.xml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<root><trans><group name=\"form_Voro_Main\">");
    file.close();
    Choose("en");
    const QStringList warnings = CSysOutputManage::Instance().Lines(SysOutputWarning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.at(0).startsWith(QStringLiteral("语言文件"))) << qPrintable(warnings.at(0));
    CSysOutputManage::Instance().ClearOutput(SysOutputWarning);
    EXPECT_EQ(Differences(ShownTexts(*m_window), chinese), "");
}

TEST_F(MainWindowLanguage, TextsMadeForAnOpenProjectAreTranslatedToo)
{
    Show();
    Choose("en");
    OpenSmallProject();
    QApplication::processEvents();
    QStringList buttons;
    for (const QAction* button : m_window->ElementToolBar()->actions())
        buttons << button->text();
    EXPECT_TRUE(buttons.contains("Room")) << qPrintable(buttons.join(','));
    EXPECT_TRUE(buttons.filter(QRegularExpression(QStringLiteral("\\p{Han}"))).isEmpty()) << qPrintable(buttons.join(','));
    EXPECT_EQ(m_window->findChild<QMenuBar*>()->actions().at(6)->text(), "Project &Libraries");
}
