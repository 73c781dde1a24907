#include "library/forms/TTMaterial_BaseForm.h"

#include "app/controls/TControlEdit.h"
#include "library/CHvacData.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace {
// The leading sign and digits of the text; 0 for none.
int LeadingIndex(const QString& text)
{
    int i = 0;
    QString digits;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        digits += text[i++];
    while (i < text.size() && text[i].isDigit())
        digits += text[i++];
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok ? value : 0;
}
} // namespace

TTMaterial_BaseForm::TTMaterial_BaseForm(QWidget* owner, const QSize& designSize)
    : QWidget(owner), m_designSize(designSize)
{
    setAutoFillBackground(true);
    QPalette shade = palette();
    shade.setColor(QPalette::Window, QColor(0xE3, 0xEB, 0xEE)); // 15658211
    setPalette(shade);
    resize(designSize);
}

void TTMaterial_BaseForm::FitDesignSize()
{
    resize(m_designSize.expandedTo(sizeHint()));
}

QLabel* TTMaterial_BaseForm::Caption(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

void TTMaterial_BaseForm::Bind(const QString& key, QWidget* control, ValueKind kind, const QString& caption)
{
    m_bindings.push_back({key, control, kind, caption, {}});
}

TControlEdit* TTMaterial_BaseForm::AddEdit(QGridLayout* grid, int row, int column, const QString& key,
                                           const QString& name, const QString& caption, ValueKind kind)
{
    auto* edit = new TControlEdit(this);
    edit->setObjectName(name);
    edit->SetControlMode(kind == ValueKind::Number ? MFLOAT : MSTRING);
    if (!caption.isEmpty())
        grid->addWidget(Caption(caption, this), row, column);
    grid->addWidget(edit, row, column + 1);
    Bind(key, edit, kind, caption);
    return edit;
}

TControlEdit* TTMaterial_BaseForm::AddNumber(QGridLayout* grid, int row, int column, const QString& key,
                                             const QString& name, const QString& caption)
{
    return AddEdit(grid, row, column, key, name, caption, ValueKind::Number);
}

void TTMaterial_BaseForm::AddSummerWinter(QGridLayout* grid, int row, int column, const QString& keyS,
                                          const QString& keyW, const QString& caption)
{
    grid->addWidget(Caption(caption, this), row, column);
    for (int season = 0; season < 2; ++season) {
        const QString& key = season == 0 ? keyS : keyW;
        auto* edit = new TControlEdit(this);
        edit->setObjectName(QStringLiteral("Edit_") + key);
        edit->SetControlMode(MFLOAT);
        grid->addWidget(edit, row, column + 1 + season);
        Bind(key, edit, ValueKind::Number,
             caption + (season == 0 ? QStringLiteral("（夏季）") : QStringLiteral("（冬季）")));
    }
}

void TTMaterial_BaseForm::AddHeatTransferRows(QGridLayout* grid, int row, const QString& caption)
{
    auto* seasons = new QGridLayout;
    grid->addLayout(seasons, row, 0, 1, 2);
    AddSeasonTitles(seasons, 0, 0);
    AddSummerWinter(seasons, 1, 0, QStringLiteral("K_S"), QStringLiteral("K_W"), caption);
}

void TTMaterial_BaseForm::AddSeasonTitles(QGridLayout* grid, int row, int column)
{
    grid->addWidget(Caption(QStringLiteral("夏季"), this), row, column + 1, Qt::AlignHCenter);
    grid->addWidget(Caption(QStringLiteral("冬季"), this), row, column + 2, Qt::AlignHCenter);
}

TControlEdit* TTMaterial_BaseForm::AddText(QGridLayout* grid, int row, int column, const QString& key,
                                           const QString& name, const QString& caption)
{
    return AddEdit(grid, row, column, key, name, caption, ValueKind::Text);
}

QComboBox* TTMaterial_BaseForm::AddList(QGridLayout* grid, int row, int column, const QString& key,
                                        const QString& name, const QString& caption, ValueKind kind,
                                        const QStringList& items)
{
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->addItems(items);
    if (!caption.isEmpty())
        grid->addWidget(Caption(caption, this), row, column);
    grid->addWidget(list, row, column + 1);
    Bind(key, list, kind, caption);
    return list;
}

void TTMaterial_BaseForm::ExchangeData(CHvacData& bag, bool load)
{
    for (SBinding& binding : m_bindings) {
        QString value;
        if (load)
            bag.ExchangeValue(binding.key, value, false);
        switch (binding.kind) {
        case ValueKind::Number:
        case ValueKind::Text: {
            auto* edit = static_cast<TControlEdit*>(binding.control);
            if (load) {
                edit->setText(value);
                binding.shown = value;
            } else {
                value = edit->text();
            }
            break;
        }
        case ValueKind::ListByText: {
            auto* list = static_cast<QComboBox*>(binding.control);
            if (load)
                list->setCurrentIndex(list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
            else
                value = list->currentIndex() < 0 ? QString() : list->currentText();
            break;
        }
        case ValueKind::ListByIndex: {
            auto* list = static_cast<QComboBox*>(binding.control);
            if (load) {
                const int index = LeadingIndex(value);
                list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
            } else {
                value = QString::number(list->currentIndex());
            }
            break;
        }
        }
        if (!load)
            bag.ExchangeValue(binding.key, value, true);
    }
}

QStringList TTMaterial_BaseForm::Keys() const
{
    QStringList keys;
    for (const SBinding& binding : m_bindings)
        keys << binding.key;
    return keys;
}

TTMaterial_BaseForm::ValueKind TTMaterial_BaseForm::KindOf(const QString& key) const
{
    for (const SBinding& binding : m_bindings)
        if (binding.key == key)
            return binding.kind;
    return ValueKind::Text;
}

QWidget* TTMaterial_BaseForm::ControlOf(const QString& key) const
{
    for (const SBinding& binding : m_bindings)
        if (binding.key == key)
            return binding.control;
    return nullptr;
}

QString TTMaterial_BaseForm::InvalidNumberCaption() const
{
    for (const SBinding& binding : m_bindings) {
        if (binding.kind != ValueKind::Number)
            continue;
        const auto* edit = static_cast<const TControlEdit*>(binding.control);
        if (!edit->HoldsValidValue() && edit->text() != binding.shown)
            return binding.caption.isEmpty() ? binding.key : binding.caption;
    }
    return {};
}
