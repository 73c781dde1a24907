#pragma once
#include <QDialog>
#include <vector>

class QLabel;
class QScrollArea;
class QWidget;
class TViewLoadCurve;

// "曲线颜色显示": one row per curve of the curve window, its name in its colour, "更改" to choose
// another colour and a box for drawing it on the all-curves tab. Changes reach the window at once.
class TViewLoadCurveSetup : public QDialog
{
public:
    explicit TViewLoadCurveSetup(TViewLoadCurve& owner);

    void AddCurveRow(const QColor& color, const QString& name, bool visible);
    // A colour chosen for row n (the colour dialog's answer).
    void ApplyColor(int row, const QColor& color);
    void VisibleCheckClick(int row, bool checked);

    QWidget* ScrollBox1 = nullptr;
    std::vector<QLabel*> Labels;
    int RowCount = 0;

private:
    TViewLoadCurve& m_owner;
};
