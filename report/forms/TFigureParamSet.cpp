#include "report/forms/TFigureParamSet.h"

#include "app/controls/CNumberText.h"
#include "app/controls/ModalResult.h"
#include "app/controls/TControlEdit.h"
#include "model/NameTables.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "report/EnergyChecks.h"
#include "report/forms/EnergyCheckDialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kComputed = 0;
constexpr int kTyped = 1;

QComboBox* Selector(const QString& name)
{
    auto* selector = new QComboBox;
    selector->setObjectName(name);
    selector->addItems({QStringLiteral("计算值"), QStringLiteral("用户输入")});
    return selector;
}

TControlEdit* NumberEdit(const QString& name)
{
    auto* edit = new TControlEdit;
    edit->setObjectName(name);
    edit->SetControlMode(MFLOAT);
    edit->SetMinValue(QStringLiteral("0"));
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(110);
    return edit;
}

double Number(const TControlEdit* edit)
{
    return CNumberText::ToDouble(edit->text().trimmed()).value_or(0);
}
} // namespace

TFigureParamSet::TFigureParamSet(QWidget* owner, const QString& buildingName)
    : QDialog(owner), m_buildingName(buildingName)
{
    setObjectName(QStringLiteral("FigureParamSet"));
    setWindowTitle(QStringLiteral("体形系数计算"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    cbb1 = Selector(QStringLiteral("cbb1"));
    cbb2 = Selector(QStringLiteral("cbb2"));
    ControlEdit1 = NumberEdit(QStringLiteral("ControlEdit1"));
    ControlEdit2 = NumberEdit(QStringLiteral("ControlEdit2"));
    lbl4 = new QLabel(QStringLiteral("0"));
    lbl4->setObjectName(QStringLiteral("lbl4"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("建筑外表面积(m^2):")), 0, 0);
    grid->addWidget(cbb1, 0, 1);
    grid->addWidget(ControlEdit1, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("建筑体积(m^3):")), 1, 0);
    grid->addWidget(cbb2, 1, 1);
    grid->addWidget(ControlEdit2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("建筑体形系数:")), 2, 0);
    grid->addWidget(lbl4, 2, 2);

    Button1 = new QPushButton(QStringLiteral("确定"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取消"));
    Button2->setObjectName(QStringLiteral("Button2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->addLayout(grid);
    main->addSpacing(8);
    main->addLayout(buttons);

    connect(cbb1, &QComboBox::currentIndexChanged, this, &TFigureParamSet::cbb1Change);
    connect(cbb2, &QComboBox::currentIndexChanged, this, &TFigureParamSet::cbb2Change);
    connect(ControlEdit1, &QLineEdit::textChanged, this, &TFigureParamSet::ControlEdit1Change);
    connect(ControlEdit2, &QLineEdit::textChanged, this, &TFigureParamSet::ControlEdit1Change);
    connect(Button1, &QPushButton::clicked, this, &TFigureParamSet::Button1Click);
    connect(Button2, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

void TFigureParamSet::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (FirstShowCentred(*this, m_shown))
        FormShow();
}

void TFigureParamSet::FormShow()
{
    try {
        const SShapeCoefficientChoice choice = LoadShapeCoefficientChoice(m_buildingName);
        const QSignalBlocker block1(cbb1), block2(cbb2);
        cbb1->setCurrentIndex(choice.AreaType);
        cbb2->setCurrentIndex(choice.VolumeType);
        if (choice.AreaType == kTyped)
            ControlEdit1->setText(FormatFloatTrimmed(QStringLiteral("0.00"), choice.Area));
        if (choice.VolumeType == kTyped)
            ControlEdit2->setText(FormatFloatTrimmed(QStringLiteral("0.00"), choice.Volume));
    } catch (const Exception& e) {
        TApplication::ShowException(e.Message());
    }
    cbb1Change();
    cbb2Change();
}

void TFigureParamSet::SelectorChanged(QComboBox* selector, TControlEdit* edit,
                                      double (*compute)(const QString&))
{
    if (selector->currentIndex() == kTyped) {
        edit->setEnabled(true);
        return;
    }
    edit->setEnabled(false);
    try {
        edit->setText(FormatFloatTrimmed(QStringLiteral("0.00"), compute(m_buildingName)));
    } catch (const Exception& e) {
        TApplication::ShowException(e.Message());
    }
}

void TFigureParamSet::cbb1Change()
{
    SelectorChanged(cbb1, ControlEdit1, &ComputeOuterSurfaceArea);
}

void TFigureParamSet::cbb2Change()
{
    SelectorChanged(cbb2, ControlEdit2, &ComputeBuildingVolume);
}

void TFigureParamSet::ControlEdit1Change()
{
    const double area = Number(ControlEdit1);
    const double volume = Number(ControlEdit2);
    lbl4->setText(volume != 0 ? FormatFloatTrimmed(QStringLiteral("0.00"), area / volume)
                              : QStringLiteral("0"));
}

void TFigureParamSet::Button1Click()
{
    const std::optional<double> area = NonNegativeInput(ControlEdit1, QStringLiteral("“建筑外表面积”"));
    if (!area)
        return;
    const std::optional<double> volume = NonNegativeInput(ControlEdit2, QStringLiteral("“建筑体积”"));
    if (!volume)
        return;
    SShapeCoefficientChoice choice;
    choice.AreaType = cbb1->currentIndex() == kTyped ? kTyped : kComputed;
    choice.Area = *area;
    choice.VolumeType = cbb2->currentIndex() == kTyped ? kTyped : kComputed;
    choice.Volume = *volume;
    choice.Coefficient = choice.Volume != 0 ? choice.Area / choice.Volume : 0;
    try {
        StoreShapeCoefficientChoice(m_buildingName, choice);
    } catch (const Exception& e) {
        TApplication::ShowException(e.Message());
        return;
    }
    done(mrOk);
}
