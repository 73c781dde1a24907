#include "calc/forms/TTSetRunTimeCopyLevels.h"

#include "app/controls/ModalResult.h"
#include "model/NameTables.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QComboBox* MonthList(QWidget* owner, int chosen)
{
    auto* list = new QComboBox(owner);
    for (int m = 1; m <= 12; ++m)
        list->addItem(QStringLiteral("%1月").arg(m));
    list->setCurrentIndex(chosen);
    return list;
}
} // namespace

TTSetRunTimeCopyLevels::TTSetRunTimeCopyLevels(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("TSetRunTimeCopyLevels"));
    setWindowTitle(QStringLiteral("时间段设置"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    cbb1 = MonthList(this, 0);
    cbb2 = new QComboBox(this);
    cbb3 = MonthList(this, 11);
    cbb4 = new QComboBox(this);
    auto* Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setDefault(true);
    auto* Button2 = new QPushButton(QStringLiteral("取消"), this);

    auto* dates = new QGridLayout;
    dates->addWidget(new QLabel(QStringLiteral("起始日期："), this), 0, 0);
    dates->addWidget(cbb1, 0, 1);
    dates->addWidget(cbb2, 0, 2);
    dates->addWidget(new QLabel(QStringLiteral("终止日期："), this), 1, 0);
    dates->addWidget(cbb3, 1, 1);
    dates->addWidget(cbb4, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addLayout(buttons);

    FillDayList(*cbb1, *cbb2);
    FillDayList(*cbb3, *cbb4);
    cbb4->setCurrentIndex(cbb4->count() - 1);

    connect(cbb1, &QComboBox::activated, this, [this] { cbb1Change(); });
    connect(cbb3, &QComboBox::activated, this, [this] { cbb3Change(); });
    connect(Button1, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(mrCancel); });

    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TTSetRunTimeCopyLevels::cbb1Change()
{
    FillDayList(*cbb1, *cbb2);
}

void TTSetRunTimeCopyLevels::cbb3Change()
{
    FillDayList(*cbb3, *cbb4);
    cbb4->setCurrentIndex(cbb4->count() - 1);
}

void TTSetRunTimeCopyLevels::FillDayList(const QComboBox& monthList, QComboBox& dayList)
{
    dayList.clear();
    const int month = monthList.currentIndex();
    for (int d = 1; month >= 0 && d <= DaysOfMonth(month); ++d)
        dayList.addItem(QStringLiteral("%1日").arg(d));
    dayList.setCurrentIndex(0);
}

int TTSetRunTimeCopyLevels::FirstDay() const
{
    return MonthFirstDay(cbb1->currentIndex()) + cbb2->currentIndex();
}

int TTSetRunTimeCopyLevels::LastDay() const
{
    return MonthFirstDay(cbb3->currentIndex()) + cbb4->currentIndex();
}

void TTSetRunTimeCopyLevels::reject()
{
    done(mrCancel);
}
