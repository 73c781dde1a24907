#include "calc/forms/TSetRunTimeModule.h"

#include "app/controls/ModalResult.h"
#include "calc/CRunTimeCalendar.h"
#include "calc/forms/TTSetRunTimeCopyLevels.h"
#include "model/NameTables.h"
#include "platform/core/CTool.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableWidget>

#include <algorithm>

namespace {
constexpr int kHours = RunTimeSys::Hours;
constexpr int kCellWidth = 50;
constexpr int kCellHeight = 45;
constexpr int kFixedSize = 20;
constexpr int kGridLeft = 40;
constexpr int kGridTop = 40;
constexpr int kGridWidth = TSetRunTimeModule::GridColumns * kCellWidth + 30;
constexpr int kGridHeight = TSetRunTimeModule::GridRows * kCellHeight + 30;

// Draws a day cell: its number at the top left (bold and blue when selected) and, at the top
// right, one vertical line per hour, tall when the hour is on, red (blue when selected).
class CDayCellDelegate : public QStyledItemDelegate
{
public:
    explicit CDayCellDelegate(TSetRunTimeModule& editor) : QStyledItemDelegate(&editor), m_editor(editor) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect cell = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        const QString text = index.data().toString();
        painter->save();
        painter->fillRect(cell, selected && !text.isEmpty() ? QColor(0xDD, 0xE8, 0xFF) : QColor(Qt::white));
        if (!text.isEmpty()) {
            QFont font = option.font;
            font.setBold(selected);
            painter->setFont(font);
            painter->setPen(selected ? QColor(Qt::blue) : option.palette.color(QPalette::Text));
            painter->drawText(cell.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);

            const QPoint bar(cell.right() - 28, cell.top());
            painter->fillRect(QRect(bar, QSize(kHours, 14)), Qt::white);
            painter->setPen(selected ? QColor(Qt::blue) : QColor(Qt::red));
            const unsigned char* flags = m_editor.DayFlags(text.toInt());
            for (int h = 0; h < kHours; ++h)
                painter->drawLine(bar.x() + h, bar.y() + 9, bar.x() + h, bar.y() + (flags[h] ? 1 : 8));
        }
        painter->restore();
    }

private:
    TSetRunTimeModule& m_editor;
};

// A clock face: the glyph of the button that switches every hour on or off.
QIcon ClockGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x20, 0x40, 0x90), 1.4));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.drawLine(QPointF(8, 8), QPointF(8, 4));
    painter.drawLine(QPointF(8, 8), QPointF(11, 9.5));
    return QIcon(pixmap);
}

QPushButton* Button(const QString& caption, QWidget* owner, const QRect& place)
{
    auto* button = new QPushButton(caption, owner);
    button->setGeometry(place);
    return button;
}
} // namespace

TSetRunTimeModule::TSetRunTimeModule(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("SetRunTimeModule"));
    setWindowTitle(QStringLiteral("运行方案配置"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    TimeGrid = new QTableWidget(GridRows, GridColumns, this);
    TimeGrid->setObjectName(QStringLiteral("TimeGrid"));
    TimeGrid->setGeometry(kGridLeft, kGridTop, kGridWidth, kGridHeight);
    TimeGrid->setHorizontalHeaderLabels({QStringLiteral("星期一"), QStringLiteral("星期二"), QStringLiteral("星期三"),
                                         QStringLiteral("星期四"), QStringLiteral("星期五"), QStringLiteral("星期六"),
                                         QStringLiteral("星期日")});
    TimeGrid->setVerticalHeaderLabels(QStringList(GridRows, QString()));
    TimeGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TimeGrid->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    TimeGrid->horizontalHeader()->setFixedHeight(kFixedSize);
    TimeGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TimeGrid->verticalHeader()->setDefaultSectionSize(kCellHeight);
    TimeGrid->verticalHeader()->setFixedWidth(kFixedSize);
    TimeGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TimeGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TimeGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    TimeGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TimeGrid->setItemDelegate(new CDayCellDelegate(*this));
    for (int row = 0; row < GridRows; ++row)
        for (int column = 0; column < GridColumns; ++column)
            TimeGrid->setItem(row, column, new QTableWidgetItem);

    ts1 = new QTabBar(this);
    ts1->setObjectName(QStringLiteral("ts1"));
    ts1->setUsesScrollButtons(false);
    ts1->setExpanding(true);
    ts1->setShape(QTabBar::RoundedSouth);
    ts1->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 2px 1px; min-width: 28px; }"));
    for (int m = 1; m <= 12; ++m)
        ts1->addTab(QStringLiteral("%1月").arg(m));
    ts1->setGeometry(kGridLeft, kGridTop + kGridHeight, kGridWidth, 24);

    const int buttonTop = 8;
    Button3 = Button(QStringLiteral("整月"), this, QRect(kGridLeft, buttonTop, 50, 25));
    btnWeekdayButton = Button(QStringLiteral("工作日"), this, QRect(Button3->geometry().right() + 2, buttonTop, 60, 25));
    btnWeekendButton =
        Button(QStringLiteral("休息日"), this, QRect(btnWeekdayButton->geometry().right() + 2, buttonTop, 60, 25));
    Button4 = Button(QStringLiteral("应用到其他月"), this,
                     QRect(btnWeekendButton->geometry().right() + 2, buttonTop, 100, 25));
    SpeedButton2 = Button(QStringLiteral("休息日置空"), this, QRect(kGridLeft + kGridWidth - 90, buttonTop, 90, 25));

    BuildHourRow(kGridLeft, kGridTop + kGridHeight + 28);

    const int bottom = kGridTop + kGridHeight + 80;
    Button2 = Button(QStringLiteral("取消"), this, QRect(kGridLeft + kGridWidth - 75, bottom, 75, 25));
    Button1 = Button(QStringLiteral("确定"), this, QRect(kGridLeft + kGridWidth - 155, bottom, 75, 25));

    connect(ts1, &QTabBar::currentChanged, this, [this](int month) { ts1Change(month); });
    connect(TimeGrid, &QTableWidget::itemSelectionChanged, this, [this] { RefreshHourBoxes(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(btnWeekdayButton, &QPushButton::clicked, this, [this] { btnWeekdayButtonClick(); });
    connect(btnWeekendButton, &QPushButton::clicked, this, [this] { btnWeekendButtonClick(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(SpeedButton2, &QPushButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(mrCancel); });

    setFixedSize(kGridWidth + 2 * kGridLeft + 3, bottom + 35);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    ts1Change(0);
}

void TSetRunTimeModule::BuildHourRow(int left, int top)
{
    Label1 = new QLabel(QStringLiteral("时间:"), this);
    Label1->setGeometry(0, top, left - 2, 14);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont small = font();
    small.setPixelSize(10);
    for (int h = 0; h < kHours; ++h) {
        QLabel* label = HourLabels[static_cast<size_t>(h)] = new QLabel(QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0')), this);
        label->setFont(small);
        label->setGeometry(left + 16 * h, top, 16, 14);
        if (h % 2 == 1)
            label->setStyleSheet(QStringLiteral("color: blue;"));
        QCheckBox* box = HourBoxes[static_cast<size_t>(h)] = new QCheckBox(this);
        box->setGeometry(left + 16 * h, top + 16, 15, 15);
        box->setToolTip(QStringLiteral("%1:00-%2:00").arg(h).arg(h + 1));
        connect(box, &QCheckBox::clicked, this, [this, h] { CheckBoxClick(h); });
    }
    BitBtn4 = new QPushButton(this);
    BitBtn4->setIcon(ClockGlyph());
    BitBtn4->setToolTip(QStringLiteral("所选日期的全部时段开或关"));
    BitBtn4->setGeometry(left - 30, top + 14, 26, 20);
    BitBtn4->setDefault(true);
}

void TSetRunTimeModule::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    ts1->setCurrentIndex(0);
    ts1Change(0);
}

void TSetRunTimeModule::reject()
{
    done(mrCancel);
}

void TSetRunTimeModule::ts1Change(int month)
{
    m_month = std::clamp(month, 0, 11);
    m_firstWeekday = CRunTimeCalendar::FirstWeekdayOfMonth(m_month + 1);
    const QSignalBlocker quiet(TimeGrid);
    TimeGrid->clearSelection();
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column) {
            QTableWidgetItem* item = TimeGrid->item(row, column);
            item->setText(QString());
            item->setFlags(Qt::NoItemFlags);
        }
    }
    for (int n = 1; n <= DaysOfMonth(m_month); ++n) {
        const QPoint cell = DayCell(n);
        QTableWidgetItem* item = TimeGrid->item(cell.y(), cell.x());
        item->setText(QString::number(n));
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    TimeGrid->viewport()->update();
    RefreshHourBoxes();
}

QPoint TSetRunTimeModule::DayCell(int dayNumber) const
{
    const int position = m_firstWeekday - 1 + dayNumber - 1;
    return QPoint(position % GridColumns, position / GridColumns);
}

unsigned char* TSetRunTimeModule::DayFlags(int dayNumber)
{
    const int day = std::clamp(MonthFirstDay(m_month) + dayNumber - 1, 0, RunTimeSys::Days - 1);
    return Flags.data() + day * kHours;
}

QList<int> TSetRunTimeModule::CollectSelectedDays() const
{
    QList<QTableWidgetItem*> items = TimeGrid->selectedItems();
    std::sort(items.begin(), items.end(), [](const QTableWidgetItem* a, const QTableWidgetItem* b) {
        return a->row() != b->row() ? a->row() < b->row() : a->column() < b->column();
    });
    QList<int> days;
    for (const QTableWidgetItem* item : items)
        if (!item->text().isEmpty())
            days << item->text().toInt();
    return days;
}

void TSetRunTimeModule::SetHourBoxState(int hour, Qt::CheckState state)
{
    QCheckBox* box = HourBoxes[static_cast<size_t>(hour)];
    // Only the grayed state needs three states: a click then checks the box, as the user expects,
    // and never leads from unchecked to grayed.
    box->setTristate(state == Qt::PartiallyChecked);
    box->setCheckState(state);
}

void TSetRunTimeModule::ShowHourControls(bool visible)
{
    Label1->setVisible(visible);
    BitBtn4->setVisible(visible);
    for (int h = 0; h < kHours; ++h) {
        HourBoxes[static_cast<size_t>(h)]->setVisible(visible);
        HourLabels[static_cast<size_t>(h)]->setVisible(visible);
    }
}

void TSetRunTimeModule::RefreshHourBoxes()
{
    const QList<int> days = CollectSelectedDays();
    ShowHourControls(!days.isEmpty());
    if (days.isEmpty())
        return;
    for (int h = 0; h < kHours; ++h) {
        const unsigned char first = DayFlags(days.first())[h];
        const bool same = std::all_of(days.begin(), days.end(), [&](int n) { return DayFlags(n)[h] == first; });
        SetHourBoxState(h, !same ? Qt::PartiallyChecked : first ? Qt::Checked : Qt::Unchecked);
    }
}

void TSetRunTimeModule::CheckBoxClick(int hour)
{
    QCheckBox* box = HourBoxes[static_cast<size_t>(hour)];
    const unsigned char value = box->checkState() == Qt::Checked ? 1 : 0;
    box->setTristate(false);
    for (int n : CollectSelectedDays())
        DayFlags(n)[hour] = value;
    TimeGrid->viewport()->update();
}

void TSetRunTimeModule::SetSelectedDays(unsigned char value)
{
    for (int h = 0; h < kHours; ++h)
        SetHourBoxState(h, value ? Qt::Checked : Qt::Unchecked);
    for (int n : CollectSelectedDays())
        std::fill_n(DayFlags(n), kHours, value);
    TimeGrid->viewport()->update();
}

void TSetRunTimeModule::BitBtn4Click()
{
    const bool allOn = std::all_of(HourBoxes.begin(), HourBoxes.end(),
                                   [](const QCheckBox* box) { return box->checkState() == Qt::Checked; });
    SetSelectedDays(allOn ? 0 : 1);
}

void TSetRunTimeModule::SelectColumns(int first, int last)
{
    TimeGrid->clearSelection();
    TimeGrid->setRangeSelected(QTableWidgetSelectionRange(0, first, GridRows - 1, last), true);
}

void TSetRunTimeModule::Button3Click()
{
    if (CollectSelectedDays().size() < 28)
        SelectColumns(0, GridColumns - 1);
    else
        TimeGrid->clearSelection();
    RefreshHourBoxes();
}

void TSetRunTimeModule::btnWeekdayButtonClick()
{
    SelectColumns(0, 4);
    RefreshHourBoxes();
}

void TSetRunTimeModule::btnWeekendButtonClick()
{
    SelectColumns(5, 6);
    RefreshHourBoxes();
}

void TSetRunTimeModule::SpeedButton2Click()
{
    CRunTimeCalendar::ClearWeekends(Flags.data());
    TimeGrid->viewport()->update();
    RefreshHourBoxes();
}

void TSetRunTimeModule::Button4Click()
{
    TTSetRunTimeCopyLevels range(this);
    if (range.exec() == mrOk)
        ApplyToOtherMonths(range.FirstDay(), range.LastDay());
    RefreshHourBoxes();
}

void TSetRunTimeModule::ApplyToOtherMonths(int firstDay, int lastDay)
{
    const int copied = CRunTimeCalendar::ApplyMonthPattern(Flags.data(), m_month, firstDay, lastDay);
    TimeGrid->viewport()->update();
    CTool::Current().ShowMessage(copied > 0 ? QStringLiteral("应用成功！！")
                                            : QStringLiteral("终止日期早于起始日期，没有应用到任何日期。"));
}
