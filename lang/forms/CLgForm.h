#pragma once
#include <QEvent>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class CMultiLanguage;
class CMultiLgGroup;
class QAction;
class QObject;
class QWidget;
struct CLgParam;

// The translator of one form. Attaching it translates the texts the form has when built from the
// group "form_<form's object name>" of the current language, under keys made of the components'
// object names: "<name>_Caption", "<name>_Hint" (tool tip, "short|long" for actions with a status
// tip), "<name>_Text" (line edits), list entries ("<name>_Column_<i>" for tree and table headers
// and header views, "<name>_item_<i>" for combo boxes, "<name>_Index_<i>" for list widgets and
// radio groups), and the captions of the menu bars and tool bars ("actionbar_<b>_<b>_<i>..." by
// position). Fonts take the language's font name, growing by its dissize once.
//
// The form's components are its named descendants, but not those inside a child window or inside a
// widget of the program's own classes (an embedded page keeps its own texts). Translating again
// looks each text up afresh: a text still as this translator left it is looked up with the form's
// own text as default, so a language without a key gives the form's own text back.
//
// Every translator is entered in one program-wide registry for its lifetime, which the language
// manager uses to translate all open forms after a language change. User-interface thread only.
class CLgForm
{
public:
    // Posted to the form after each attach, without parameters: the form renews the texts it
    // builds at run time.
    static constexpr QEvent::Type TranslatedEvent = static_cast<QEvent::Type>(QEvent::User + 123);

    CLgForm();
    ~CLgForm();
    CLgForm(const CLgForm&) = delete;
    CLgForm& operator=(const CLgForm&) = delete;

    // Binds the form and its group, translates the form and posts TranslatedEvent to it.
    void Attach(QWidget* form);
    // The translation from the form's group, or the default before Attach.
    QString GetText(const QString& key, const QString& defaultText) const;
    // Translates the form's texts and fonts from the current language.
    void TranslateForm();

    QWidget* Form() const { return m_form; }

    // The registered translators in order of creation.
    static const std::vector<CLgForm*>& Registered();
    // The translator attached to the form; null when none is.
    static CLgForm* Find(const QWidget* form);
    // Whether the object is of one of the program's own classes rather than of a Qt class: such a
    // widget is a page or control of its own, whose parts are not its form's components.
    static bool IsProgramClass(const QObject* object);

private:
    // "Caption", "Hint" or "Text"; an empty text is left alone.
    void TranslateProperty(QObject* component, const QString& property);
    void ApplyFonts(QWidget* widget, const CLgParam& entry);
    void TranslateLists(QObject* component);
    void TranslateActionBars(const QList<QObject*>& components);
    void TranslateActionClient(QAction* client, const QString& parentKey, int id, int depth);
    // The translation of a text shown under the key (see the class comment).
    QString Translate(const QString& key, const QString& shown);

    struct SText
    {
        QString Own;
        QString Translated;
    };

    QPointer<QWidget> m_form;
    std::shared_ptr<const CMultiLgGroup> m_group;
    CMultiLanguage* m_manager = nullptr;
    QHash<QString, SText> m_texts;
};
