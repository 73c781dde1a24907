#include "app/controls/TControlEdit.h"

#include "app/controls/CMyImage.h"
#include "app/controls/CNumberText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QValidator>
#include <cmath>

namespace {

bool IsFigureText(const QString& text, const QString& extra)
{
    for (const QChar ch : text) {
        if ((ch < QLatin1Char('0') || ch > QLatin1Char('9')) && !extra.contains(ch))
            return false;
    }
    return true;
}

// Refuses every edit (typing, deletion, paste, drop, undo) that leaves a number box holding a
// text that does not convert; the line edit then restores text, caret and selection.
class CControlEditValidator : public QValidator
{
public:
    explicit CControlEditValidator(TControlEdit* edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString& input, int&) const override
    {
        const EControlMode mode = m_edit->ControlMode();
        if (input.isEmpty() || (mode != MINTEGER && mode != MFLOAT) || input == QLatin1String("-"))
            return Acceptable;
        const bool converts = mode == MINTEGER ? CNumberText::ToInt(input).has_value()
                                               : CNumberText::ToDouble(input).has_value();
        return converts ? Acceptable : Invalid;
    }

private:
    TControlEdit* m_edit;
};

} // namespace

TControlEdit::TControlEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new CControlEditValidator(this));
    connect(this, &QLineEdit::textChanged, this, &TControlEdit::TextChanged);
}

void TControlEdit::SetMaxValue(const QString& value)
{
    m_maxValue = value;
    TextChanged();
}

void TControlEdit::SetMinValue(const QString& value)
{
    m_minValue = value;
    TextChanged();
}

void TControlEdit::SetCanInputCharacter(const QString& characters)
{
    m_canInputCharacter = characters;
    TextChanged();
}

void TControlEdit::SetControlMode(EControlMode mode)
{
    m_controlMode = mode;
    TextChanged();
}

void TControlEdit::SetBKPicName(const QString& name)
{
    m_bkPicName = name;
    SetViewRGN();
    update();
}

void TControlEdit::SetBKFocusPicName(const QString& name)
{
    m_bkFocusPicName = name;
    update();
}

void TControlEdit::SetCornerWidth(int width)
{
    m_cornerWidth = qMax(width, 0);
    setTextMargins(m_cornerWidth, m_cornerWidth, m_cornerWidth, m_cornerWidth);
    SetViewRGN();
    update();
}

bool TControlEdit::CheckMin() const
{
    if (m_minValue.isEmpty())
        return true;
    const auto bound = CNumberText::ToDouble(m_minValue);
    const auto value = CNumberText::ToDouble(text());
    return !bound || !value || *value >= *bound;
}

bool TControlEdit::CheckMax() const
{
    if (m_maxValue.isEmpty())
        return true;
    const auto bound = CNumberText::ToDouble(m_maxValue);
    const auto value = CNumberText::ToDouble(text());
    return !bound || !value || *value <= *bound;
}

bool TControlEdit::InBounds(double value) const
{
    const auto min = CNumberText::ToDouble(m_minValue);
    const auto max = CNumberText::ToDouble(m_maxValue);
    return (!min || value >= *min) && (m_controlMode == MSTRING || !max || value <= *max);
}

std::optional<double> TControlEdit::ValidValue() const
{
    const auto value = CNumberText::ToDouble(text());
    if (!value || !InBounds(*value))
        return std::nullopt;
    return value;
}

bool TControlEdit::HoldsValidValue() const
{
    return ValidValue().has_value();
}

double TControlEdit::Fallback() const
{
    if (m_lastValid && InBounds(*m_lastValid))
        return *m_lastValid;
    // Nothing valid was ever held: 0, moved into the bounds.
    double value = 0;
    if (const auto min = CNumberText::ToDouble(m_minValue); min && value < *min)
        value = *min;
    if (const auto max = CNumberText::ToDouble(m_maxValue); m_controlMode != MSTRING && max && value > *max)
        value = *max;
    return value;
}

double TControlEdit::AsDouble() const
{
    const auto value = ValidValue();
    return value ? *value : Fallback();
}

float TControlEdit::AsFloat() const
{
    return static_cast<float>(AsDouble());
}

int TControlEdit::AsInt() const
{
    if (const auto value = CNumberText::ToInt(text()); value && InBounds(*value))
        return *value;
    return static_cast<int>(std::trunc(AsDouble()));
}

void TControlEdit::TextChanged()
{
    const QString current = text();
    if (const auto value = ValidValue())
        m_lastValid = value;
    switch (m_controlMode) {
    case MINTEGER:
    case MFLOAT: {
        const bool pending = current.isEmpty() || current == QLatin1String("-");
        const bool converts = m_controlMode == MINTEGER ? CNumberText::ToInt(current).has_value()
                                                        : CNumberText::ToDouble(current).has_value();
        SetShowsError(!pending && (!converts || !HoldsValidValue()));
        break;
    }
    case MFIGURE:
        SetShowsError(!IsFigureText(current, m_canInputCharacter));
        break;
    case MSTRING:
        SetShowsError(false);
        break;
    }
}

void TControlEdit::SetShowsError(bool error)
{
    m_showsError = error;
    QPalette colours = palette();
    colours.setColor(QPalette::Text, error ? QColor(255, 0, 0) : QColor(0, 0, 0));
    setPalette(colours);
}

bool TControlEdit::PasteAllowed(const QString& pasted) const
{
    switch (m_controlMode) {
    case MINTEGER:
        return CNumberText::ToInt(pasted).has_value();
    case MFLOAT:
        return CNumberText::ToDouble(pasted).has_value();
    case MFIGURE:
        return IsFigureText(pasted, m_canInputCharacter);
    case MSTRING:
        break;
    }
    return true;
}

void TControlEdit::NextFocus()
{
    QWidget* next = nextInFocusChain();
    while (next && next != this) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisibleTo(window()) &&
            next->window() == window()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
        next = next->nextInFocusChain();
    }
}

bool TControlEdit::BelongsToForm() const
{
    // A box of a form sits in its window, however deep in group boxes and tab pages; the editor of
    // a view's cell belongs to the view, which takes Enter to end the edit.
    if (isWindow())
        return false;
    for (const QWidget* up = parentWidget(); up && !up->isWindow(); up = up->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(up))
            return false;
    return true;
}

void TControlEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        const QClipboard* clipboard = QApplication::clipboard();
        if (!clipboard || !PasteAllowed(clipboard->text())) {
            event->accept();
            return;
        }
    }
    const int key = event->key();
    const bool atEnd = cursorPosition() == text().length() && !hasSelectedText();
    bool moveOn = false;
    if (BelongsToForm() && event->modifiers() == Qt::NoModifier) {
        moveOn = key == Qt::Key_Return || key == Qt::Key_Enter ||
                 ((key == Qt::Key_Down || key == Qt::Key_Right) && atEnd);
    }
    QLineEdit::keyPressEvent(event);
    if (moveOn)
        NextFocus();
}

void TControlEdit::SetViewRGN()
{
    if (m_bkPicName.isEmpty() || CMyImage::Instance().GetNamedBitmap(m_bkPicName).isNull()) {
        clearMask();
        return;
    }
    const QRegion outline =
        CMyImage::Instance().GetOutlineRegion(m_bkPicName, width(), m_cornerWidth, height(), -1);
    if (!outline.isEmpty())
        setMask(outline);
}

void TControlEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (m_bkPicName.isEmpty())
        return;
    const QString name = hasFocus() && !m_bkFocusPicName.isEmpty() ? m_bkFocusPicName : m_bkPicName;
    CMyImage& cache = CMyImage::Instance();
    if (cache.GetNamedBitmap(name).isNull())
        return;
    const QImage& skin = cache.GetScaledBitmap(name, width(), m_cornerWidth, height(), -1);
    if (skin.width() <= 0 || m_cornerWidth <= 0)
        return;
    const int w = width();
    const int h = height();
    const int c = m_cornerWidth;
    QPainter painter(this);
    for (const QRect& strip :
         {QRect(0, 0, w, c), QRect(0, 0, c, h), QRect(w - c, 0, c, h), QRect(0, h - c, w, c)})
        painter.drawImage(strip.topLeft(), skin, strip);
}

void TControlEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    SetViewRGN();
    update();
}

void TControlEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    update();
}

void TControlEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    update();
}
