#pragma once
#include "app/controls/EControlMode.h"

#include <QTableWidget>

// A string grid whose in-place editor is checked by ControlMode when it commits: MINTEGER cells
// take integers, MFLOAT cells decimals, MSTRING and MFIGURE anything. A text that fails fires
// OnInputError and the cell keeps the text reduced to its digits (MINTEGER) or to its digits and
// first "." (MFLOAT). An empty text clears the cell.
class TControlStringGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit TControlStringGrid(QWidget* parent = nullptr);
    TControlStringGrid(int rows, int columns, QWidget* parent = nullptr);

    EControlMode ControlMode() const { return m_controlMode; }
    void SetControlMode(EControlMode mode) { m_controlMode = mode; }

    QString Cell(int column, int row) const;
    // Receives an edited cell text and stores it after the check above.
    void SetEditText(int column, int row, const QString& text);

signals:
    void OnInputError();

protected:
    void commitData(QWidget* editor) override;

private:
    EControlMode m_controlMode = MINTEGER;
};
