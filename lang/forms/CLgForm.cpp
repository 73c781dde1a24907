#include "lang/forms/CLgForm.h"

#include "app/controls/TRadioGroup.h"
#include "lang/CLgFormRegistryBase.h"
#include "lang/CLgParam.h"
#include "lang/CMultiLanguage.h"
#include "lang/CMultiLgGroup.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>
#include <cctype>
#include <typeinfo>

namespace {
// The font a widget had before any translation, kept on the widget so that every language grows
// it from the same size.
const char* const OwnFontProperty = "lgOwnFont";
constexpr int MaxMenuDepth = 16;

std::vector<CLgForm*>& Translators()
{
    static std::vector<CLgForm*> translators;
    return translators;
}

class CLgFormRegistry : public CLgFormRegistryBase
{
public:
    void ReattachAll() override
    {
        // Attaching may open or close nothing, but work on a copy all the same.
        const std::vector<CLgForm*> translators = Translators();
        for (CLgForm* translator : translators)
            if (translator->Form())
                translator->Attach(translator->Form());
    }
};

void InstallRegistry()
{
    static CLgFormRegistry registry;
    if (!GetMultiLanguage().FormRegistry())
        GetMultiLanguage().SetFormRegistry(&registry);
}

template <typename T> bool IsExactly(const QObject* object)
{
    return typeid(*object) == typeid(T);
}

bool IsOtherWindow(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget);
}

void CollectComponents(const QObject* parent, QList<QObject*>& components)
{
    for (QObject* child : parent->children()) {
        if (IsOtherWindow(child))
            continue;
        // Qt names the inner parts of its widgets "qt_..." (a spin box's edit, a scroll area's
        // viewport): no components of the form, though they may hold some.
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
            components << child;
        if (!CLgForm::IsProgramClass(child))
            CollectComponents(child, components);
    }
}

// The tab widget showing the widget as a page, or null.
QTabWidget* TabOwner(const QWidget* widget)
{
    auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget());
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

// The object's caption as the user sees it; false when it has none.
bool ReadCaption(QObject* object, bool isForm, QString& text)
{
    if (auto* action = qobject_cast<QAction*>(object))
        text = action->text();
    else if (auto* menu = qobject_cast<QMenu*>(object))
        text = menu->title();
    else if (isForm || qobject_cast<QDockWidget*>(object) || qobject_cast<QToolBar*>(object))
        text = static_cast<QWidget*>(object)->windowTitle();
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        text = button->text();
    else if (auto* label = qobject_cast<QLabel*>(object))
        text = label->text();
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        text = group->title();
    else if (auto* widget = qobject_cast<QWidget*>(object); widget && TabOwner(widget))
        text = TabOwner(widget)->tabText(TabOwner(widget)->indexOf(widget));
    else
        return false;
    return true;
}

void WriteCaption(QObject* object, bool isForm, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (isForm || qobject_cast<QDockWidget*>(object) || qobject_cast<QToolBar*>(object))
        static_cast<QWidget*>(object)->setWindowTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(text);
    else if (auto* widget = qobject_cast<QWidget*>(object); widget && TabOwner(widget))
        TabOwner(widget)->setTabText(TabOwner(widget)->indexOf(widget), text);
}

// An action's hint is its tool tip and status tip ("short|long", or one text when both agree). An
// action without a status tip has no hint: its tool tip is then Qt's copy of the caption.
bool ReadHint(QObject* object, QString& text)
{
    if (auto* action = qobject_cast<QAction*>(object)) {
        const QString tip = action->toolTip();
        const QString status = action->statusTip();
        text = status.isEmpty() ? QString() : (status == tip ? tip : tip + QLatin1Char('|') + status);
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
        text = widget->toolTip();
    } else {
        return false;
    }
    return true;
}

void WriteHint(QObject* object, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(object)) {
        const int bar = text.indexOf(QLatin1Char('|'));
        action->setToolTip(bar < 0 ? text : text.left(bar));
        action->setStatusTip(bar < 0 ? text : text.mid(bar + 1));
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
        widget->setToolTip(text);
    }
}

// The published properties the translator knows: "Caption", "Hint" and "Text" (of line edits).
bool ReadProperty(QObject* object, bool isForm, const QString& property, QString& text)
{
    if (property == QLatin1String("Caption"))
        return ReadCaption(object, isForm, text);
    if (property == QLatin1String("Hint"))
        return ReadHint(object, text);
    auto* edit = qobject_cast<QLineEdit*>(object);
    if (edit)
        text = edit->text();
    return edit != nullptr;
}

void WriteProperty(QObject* object, bool isForm, const QString& property, const QString& text)
{
    if (property == QLatin1String("Caption")) {
        WriteCaption(object, isForm, text);
    } else if (property == QLatin1String("Hint")) {
        WriteHint(object, text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(object)) {
        // A translation is no edit by the user.
        const QSignalBlocker blocker(edit);
        edit->setText(text);
    }
}

const QString Properties[] = {QStringLiteral("Caption"), QStringLiteral("Hint"), QStringLiteral("Text")};

void RememberOwnFont(QWidget* widget)
{
    if (!widget->property(OwnFontProperty).isValid())
        widget->setProperty(OwnFontProperty, widget->font());
}
} // namespace

CLgForm::CLgForm()
{
    InstallRegistry();
    Translators().push_back(this);
}

CLgForm::~CLgForm()
{
    auto& translators = Translators();
    translators.erase(std::remove(translators.begin(), translators.end(), this), translators.end());
}

bool CLgForm::IsProgramClass(const QObject* object)
{
    // Qt's classes stand in no namespace and start with Q; a mangled name starts with its length.
    const char* name = typeid(*object).name();
    while (std::isdigit(static_cast<unsigned char>(*name)))
        ++name;
    return *name != 'Q';
}

const std::vector<CLgForm*>& CLgForm::Registered()
{
    return Translators();
}

CLgForm* CLgForm::Find(const QWidget* form)
{
    for (CLgForm* translator : Translators())
        if (form && translator->m_form == form)
            return translator;
    return nullptr;
}

void CLgForm::Attach(QWidget* form)
{
    m_form = form;
    m_manager = &GetMultiLanguage();
    m_group = m_manager->GetGroup(QStringLiteral("form_") + form->objectName());
    TranslateForm();
    QCoreApplication::postEvent(form, new QEvent(TranslatedEvent));
}

QString CLgForm::GetText(const QString& key, const QString& defaultText) const
{
    return m_group ? TranslateText(*m_group, key, defaultText) : defaultText;
}

QString CLgForm::Translate(const QString& key, const QString& shown)
{
    const auto known = m_texts.constFind(key);
    const QString own = known != m_texts.constEnd() && known->Translated == shown ? known->Own : shown;
    const QString translated = GetText(key, own);
    m_texts.insert(key, {own, translated});
    return translated;
}

void CLgForm::TranslateForm()
{
    if (!m_form || !m_manager)
        return;
    const CLgParam* entry = m_manager->GetCurrentParam();
    QList<QObject*> components;
    CollectComponents(m_form, components);
    // Own fonts first: a child's font follows the form's as soon as that changes.
    QList<QWidget*> fontWidgets{m_form};
    for (QObject* component : components)
        if (auto* widget = qobject_cast<QWidget*>(component); widget && widget->testAttribute(Qt::WA_SetFont))
            fontWidgets << widget;
    if (entry)
        for (QWidget* widget : fontWidgets)
            RememberOwnFont(widget);

    for (const QString& property : Properties)
        TranslateProperty(m_form, property);
    if (entry)
        ApplyFonts(m_form, *entry);
    for (QObject* component : components) {
        auto* widget = qobject_cast<QWidget*>(component);
        if (entry && widget && fontWidgets.contains(widget))
            ApplyFonts(widget, *entry);
        for (const QString& property : Properties)
            TranslateProperty(component, property);
        TranslateLists(component);
    }
    TranslateActionBars(components);
}

void CLgForm::TranslateProperty(QObject* component, const QString& property)
{
    const bool isForm = component == m_form;
    QString shown;
    if (!ReadProperty(component, isForm, property, shown) || shown.isEmpty())
        return;
    const QString text = Translate(component->objectName() + QLatin1Char('_') + property, shown);
    if (text != shown)
        WriteProperty(component, isForm, property, text);
}

void CLgForm::ApplyFonts(QWidget* widget, const CLgParam& entry)
{
    if (entry.FontName.isEmpty())
        return;
    const QFont own = widget->property(OwnFontProperty).value<QFont>();
    const int grow = own.family() != entry.FontName ? entry.DisSize : 0;
    QFont font = widget->font();
    font.setFamily(entry.FontName);
    if (own.pointSizeF() > 0)
        font.setPointSizeF(std::max(1.0, own.pointSizeF() + grow));
    else if (own.pixelSize() > 0)
        font.setPixelSize(std::max(1, own.pixelSize() + grow));
    widget->setFont(font);
}

void CLgForm::TranslateLists(QObject* component)
{
    const QString name = component->objectName();
    const auto key = [&name](const char* format, int i) {
        return name + QLatin1String(format) + QString::number(i);
    };
    const auto translate = [&](const QString& entryKey, const QString& shown) {
        return shown.isEmpty() ? shown : Translate(entryKey, shown);
    };
    if (IsExactly<QTreeWidget>(component)) {
        QTreeWidgetItem* header = static_cast<QTreeWidget*>(component)->headerItem();
        for (int i = 0; header && i < header->columnCount(); ++i)
            header->setText(i, translate(key("_Column_", i), header->text(i)));
    } else if (IsExactly<QTableWidget>(component)) {
        auto* table = static_cast<QTableWidget*>(component);
        for (int i = 0; i < table->columnCount(); ++i)
            if (QTableWidgetItem* item = table->horizontalHeaderItem(i))
                item->setText(translate(key("_Column_", i), item->text()));
    } else if (IsExactly<QHeaderView>(component)) {
        auto* header = static_cast<QHeaderView*>(component);
        if (QAbstractItemModel* model = header->model())
            for (int i = 0; i < header->count(); ++i)
                model->setHeaderData(i, header->orientation(),
                                     translate(key("_Column_", i), model->headerData(i, header->orientation()).toString()));
    } else if (IsExactly<QComboBox>(component)) {
        auto* combo = static_cast<QComboBox*>(component);
        const QSignalBlocker blocker(combo);
        const int selected = combo->currentIndex();
        for (int i = 0; i < combo->count(); ++i)
            combo->setItemText(i, translate(key("_item_", i), combo->itemText(i)));
        combo->setCurrentIndex(selected);
    } else if (IsExactly<QListWidget>(component)) {
        auto* list = static_cast<QListWidget*>(component);
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setText(translate(key("_Index_", i), list->item(i)->text()));
    } else if (IsExactly<TRadioGroup>(component)) {
        auto* group = static_cast<TRadioGroup*>(component);
        for (int i = 0; i < group->Count(); ++i)
            group->Button(i)->setText(translate(key("_Index_", i), group->Button(i)->text()));
    }
}

void CLgForm::TranslateActionBars(const QList<QObject*>& components)
{
    int bar = 0;
    for (QObject* component : components) {
        if (!qobject_cast<QMenuBar*>(component) && !qobject_cast<QToolBar*>(component))
            continue;
        const QString prefix = QStringLiteral("actionbar_%1").arg(bar);
        const QList<QAction*> items = static_cast<QWidget*>(component)->actions();
        for (int i = 0; i < items.size(); ++i)
            TranslateActionClient(items.at(i), QStringLiteral("%1_%2").arg(prefix).arg(bar), i, 0);
        ++bar;
    }
}

void CLgForm::TranslateActionClient(QAction* client, const QString& parentKey, int id, int depth)
{
    const QString key = QStringLiteral("%1_%2").arg(parentKey).arg(id);
    if (!client->isSeparator() && !client->text().isEmpty()) {
        const QString text = Translate(key, client->text());
        if (text != client->text())
            client->setText(text);
    }
    if (QMenu* menu = client->menu(); menu && depth < MaxMenuDepth) {
        const QList<QAction*> items = menu->actions();
        for (int i = 0; i < items.size(); ++i)
            TranslateActionClient(items.at(i), key, i, depth + 1);
    }
}
