#include "app/controls/TControlStringGrid.h"

#include "app/controls/CNumberText.h"

#include <QLineEdit>

namespace {

QString KeepDigits(const QString& text, bool keepFirstPoint)
{
    QString kept;
    bool pointTaken = false;
    for (const QChar ch : text) {
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) {
            kept += ch;
        } else if (keepFirstPoint && ch == QLatin1Char('.') && !pointTaken) {
            kept += ch;
            pointTaken = true;
        }
    }
    return kept;
}

} // namespace

TControlStringGrid::TControlStringGrid(QWidget* parent) : QTableWidget(parent) {}

TControlStringGrid::TControlStringGrid(int rows, int columns, QWidget* parent)
    : QTableWidget(rows, columns, parent)
{
}

QString TControlStringGrid::Cell(int column, int row) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void TControlStringGrid::SetEditText(int column, int row, const QString& text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    QString stored = text;
    bool passes = true;
    if (!text.isEmpty()) {
        if (m_controlMode == MINTEGER)
            passes = CNumberText::ToInt(text).has_value();
        else if (m_controlMode == MFLOAT)
            passes = CNumberText::ToDouble(text).has_value();
    }
    if (!passes) {
        emit OnInputError();
        stored = KeepDigits(text, m_controlMode == MFLOAT);
    }
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row, column, cell);
    }
    cell->setText(stored);
}

void TControlStringGrid::commitData(QWidget* editor)
{
    const auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    const QModelIndex index = currentIndex();
    if (!lineEdit || !index.isValid()) {
        QTableWidget::commitData(editor);
        return;
    }
    SetEditText(index.column(), index.row(), lineEdit->text());
}
