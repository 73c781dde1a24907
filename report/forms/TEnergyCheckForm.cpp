#include "report/forms/TEnergyCheckForm.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TControlEdit.h"
#include "model/NameTables.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "report/EnergyChecks.h"
#include "report/forms/EnergyCheckDialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TEnergyCheckForm::TEnergyCheckForm(QWidget* owner, const QString& buildingName, const SLayout& layout)
    : QDialog(owner), m_buildingName(buildingName), m_layout(layout)
{
    setWindowTitle(layout.Caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    auto* rowHeading = new QLabel(layout.RowHeading);
    rowHeading->setAlignment(Qt::AlignCenter);
    grid->addWidget(rowHeading, 0, 0);
    for (int column = 0; column < layout.ColumnHeadings.size(); ++column) {
        auto* heading = new QLabel(layout.ColumnHeadings.at(column));
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column + 1);
    }
    for (int column = 0; column < layout.ColumnHeadings.size(); ++column)
        for (int row = 0; row < RowCount(); ++row) {
            auto* edit = new TControlEdit;
            edit->setObjectName(QStringLiteral("%1%2").arg(QChar(u'a' + column)).arg(row));
            edit->SetControlMode(MFLOAT);
            edit->SetMinValue(QStringLiteral("0"));
            edit->setAlignment(Qt::AlignRight);
            edit->setMinimumWidth(96);
            edit->setEnabled(column < layout.EditableColumns);
            edit->setText(QStringLiteral("0"));
            grid->addWidget(edit, row + 1, column + 1);
            m_edits << edit;
            if (column < layout.EditableColumns)
                connect(edit, &QLineEdit::textChanged, this, [this, row] {
                    if (!m_filling)
                        ValueEdited(row);
                });
        }
    for (int row = 0; row < RowCount(); ++row)
        grid->addWidget(new QLabel(layout.RowCaptions.at(row)), row + 1, 0);

    Button3 = new QPushButton(QStringLiteral("刷新"));
    Button3->setObjectName(QStringLiteral("Button3"));
    Button1 = new QPushButton(QStringLiteral("确定"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取消"));
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button3, &QPushButton::clicked, this, &TEnergyCheckForm::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &TEnergyCheckForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, [this] { done(mrCancel); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button3);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->addLayout(grid);
    main->addSpacing(8);
    main->addLayout(buttons);
}

TControlEdit* TEnergyCheckForm::Edit(int column, int row) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= m_layout.ColumnHeadings.size())
        return nullptr;
    return m_edits.at(column * RowCount() + row);
}

QString TEnergyCheckForm::RefreshedText(double value) const
{
    return FormatFloatTrimmed(QStringLiteral("0.00"), value);
}

void TEnergyCheckForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (FirstShowCentred(*this, m_shown))
        FormShow();
}

void TEnergyCheckForm::FormShow()
{
    Fill(false);
}

void TEnergyCheckForm::Button3Click()
{
    Fill(true);
}

void TEnergyCheckForm::Fill(bool force)
{
    std::vector<double> values;
    try {
        values = Compute(force);
    } catch (const Exception& e) {
        TApplication::ShowException(e.Message());
        return;
    }
    m_filling = true;
    for (int i = 0; i < m_edits.size() && i < static_cast<int>(values.size()); ++i)
        m_edits.at(i)->setText(force ? RefreshedText(values[i])
                                     : FormatFloatTrimmed(QStringLiteral("0.00"), values[i]));
    m_filling = false;
}

void TEnergyCheckForm::Button1Click()
{
    std::vector<double> values;
    for (int i = 0; i < m_layout.StoredColumns.size(); ++i) {
        QString row = m_layout.RowCaptions.at(i % RowCount());
        row.remove(QChar(u'：'));
        const QString column =
            m_layout.ColumnHeadings.at(i / RowCount()).simplified().remove(QLatin1Char(' '));
        const std::optional<double> value =
            NonNegativeInput(m_edits.at(i), QStringLiteral("“%1”的“%2”").arg(row, column));
        if (!value)
            return;
        values.push_back(*value);
    }
    try {
        StoreCheckValues(m_buildingName, m_layout.StoredColumns, values);
    } catch (const Exception& e) {
        TApplication::ShowException(e.Message());
        return;
    }
    done(mrOk);
}
