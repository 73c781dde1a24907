#include "app/TVoro_Main.h"

#include "app/controls/CSysOutputManage.h"
#include "lang/CMultiLanguage.h"
#include "lang/forms/CLgForm.h"

#include "app/controls/TSysOutputPanel.h"

#include <QAction>
#include <QMenu>

namespace {
// The Chinese text an unnamed menu entry was made with, kept on the entry.
const char* const OwnTextProperty = "lgOwnText";
} // namespace

bool TVoro_Main::event(QEvent* event)
{
    if (event->type() == CLgForm::TranslatedEvent) {
        LanguageTranslated();
        return true;
    }
    return QMainWindow::event(event);
}

void TVoro_Main::Action_LanguageExecute(const QString& language)
{
    GetMultiLanguage().SelectLanguage(language, true);
    // A language that could not be loaded translates nothing, so no notice comes.
    for (const QString& problem : GetMultiLanguage().TakeProblems())
        AddWarning(problem);
}

void TVoro_Main::LanguageTranslated()
{
    for (QAction* action : std::as_const(m_actions))
        action->setIconText(PlainCaption(action->text()));
    m_libraryMenu->setTitle(LgText(m_libraryCaption));
    QStringList tabs;
    for (int category = 0; category < CSysOutputManage::CategoryCount; ++category)
        tabs << LgText(CSysOutputManage::TabBaseText(category));
    CSysOutputManage::Instance().SetTabTexts(tabs, LgText(QStringLiteral("无")));
    // The message panel's menus are made by the panel itself, without names.
    TranslateMenuEntries(m_messagePanel->PopupMenu4);
    if (auto* popup = findChild<QMenu*>(QStringLiteral("PopupMenu2")))
        TranslateMenuEntries(popup);
    for (const QString& problem : GetMultiLanguage().TakeProblems())
        AddWarning(problem);
}

QString TVoro_Main::LgText(const QString& text) const
{
    const CLgForm* translator = CLgForm::Find(this);
    return translator ? translator->GetText(text, text) : text;
}

void TVoro_Main::FillLanguageMenu()
{
    m_languageMenu->clear();
    const CMultiLanguage& manager = GetMultiLanguage();
    for (const CLgParam& language : manager.Languages()) {
        QAction* entry = m_languageMenu->addAction(language.Section);
        entry->setCheckable(true);
        entry->setChecked(language.Section == manager.CurrentLanguage());
        const QString section = language.Section;
        connect(entry, &QAction::triggered, this, [this, section] { Action_LanguageExecute(section); });
    }
    m_languageMenu->setEnabled(!m_languageMenu->isEmpty());
}

void TVoro_Main::TranslateMenuEntries(QMenu* menu)
{
    for (QAction* entry : menu->actions()) {
        if (entry->menu())
            TranslateMenuEntries(entry->menu());
        // Named entries and named submenus are the translator's.
        if (entry->isSeparator() || !entry->objectName().isEmpty() ||
            (entry->menu() && !entry->menu()->objectName().isEmpty()))
            continue;
        if (!entry->property(OwnTextProperty).isValid())
            entry->setProperty(OwnTextProperty, entry->text());
        entry->setText(LgText(entry->property(OwnTextProperty).toString()));
    }
}

void TVoro_Main::TranslateBuiltTexts()
{
    if (CLgForm* translator = CLgForm::Find(this))
        translator->TranslateForm();
}
