#include "report/forms/TViewLoadCurveSetup.h"

#include "report/forms/TViewLoadCurve.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
constexpr int kRowPitch = 30;
constexpr int kTop = 20;
} // namespace

TViewLoadCurveSetup::TViewLoadCurveSetup(TViewLoadCurve& owner) : QDialog(&owner), m_owner(owner)
{
    setObjectName(QStringLiteral("TViewLoadCurveSetup"));
    setWindowTitle(QStringLiteral("曲线颜色显示"));
    setFixedSize(417, 343);
    auto* scroll = new QScrollArea(this);
    ScrollBox1 = new QWidget;
    ScrollBox1->setAutoFillBackground(true);
    ScrollBox1->setStyleSheet(QStringLiteral("background: white"));
    scroll->setWidget(ScrollBox1);
    scroll->setWidgetResizable(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    for (size_t i = 0; i < owner.CurveSeries.size(); ++i)
        AddCurveRow(owner.CurveColor(static_cast<int>(i)), owner.CurveSeries[i]->name(),
                    owner.CurveVisible(static_cast<int>(i)));
}

void TViewLoadCurveSetup::AddCurveRow(const QColor& color, const QString& name, bool visible)
{
    const int row = RowCount;
    const int top = row * kRowPitch + kTop;
    auto* label = new QLabel(name, ScrollBox1);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->move(30, top);
    label->adjustSize();
    Labels.push_back(label);

    auto* button = new QPushButton(QStringLiteral("更改"), ScrollBox1);
    button->setGeometry(417 - 103, top - (22 - label->height()) / 2, 73, 22);
    connect(button, &QPushButton::clicked, this, [this, row] {
        const QColor chosen = QColorDialog::getColor(Labels[static_cast<size_t>(row)]->palette().color(QPalette::WindowText), this);
        if (chosen.isValid())
            ApplyColor(row, chosen);
    });

    auto* check = new QCheckBox(ScrollBox1);
    check->setChecked(visible);
    check->setGeometry(2, top - (22 - label->height()) / 2, 20, 22);
    connect(check, &QCheckBox::clicked, this, [this, row](bool checked) { VisibleCheckClick(row, checked); });

    RowCount = row + 1;
    ScrollBox1->resize(400, RowCount * kRowPitch + kTop + 10);
}

void TViewLoadCurveSetup::ApplyColor(int row, const QColor& color)
{
    QLabel* label = Labels[static_cast<size_t>(row)];
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    m_owner.SetCurveColor(row, color);
}

void TViewLoadCurveSetup::VisibleCheckClick(int row, bool checked)
{
    m_owner.SetCurveVisible(row, checked);
}
