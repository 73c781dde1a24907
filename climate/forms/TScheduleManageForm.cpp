#include "climate/forms/TScheduleManageForm.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "app/controls/TControlEdit.h"
#include "app/controls/TWorkTime.h"
#include "climate/CDayScheduleData.h"
#include "climate/CScheduleData.h"
#include "climate/forms/TScheduleImportFormBase.h"
#include "model/CMaterialParamNameList.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
TBMPButton* Button(const QString& caption, QWidget* parent)
{
    auto* button = new TBMPButton(caption, parent);
    button->setFixedSize(80, 24);
    return button;
}

QSpinBox* HourSpin(int value, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setRange(0, 23);
    spin->setValue(value);
    return spin;
}

TControlEdit* PercentEdit(const QString& text, QWidget* parent)
{
    auto* edit = new TControlEdit(parent);
    edit->SetControlMode(MFLOAT);
    edit->SetMinValue(QStringLiteral("0"));
    edit->SetMaxValue(QStringLiteral("100"));
    edit->setText(text);
    edit->setFixedWidth(64);
    return edit;
}

// The list of a page with its four buttons under it.
QVBoxLayout* ListColumn(QListWidget* list, TBMPButton* const (&buttons)[4])
{
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i)
        grid->addWidget(buttons[i], i / 2, i % 2);
    auto* column = new QVBoxLayout;
    column->addWidget(list, 1);
    column->addLayout(grid);
    return column;
}
} // namespace

TScheduleManageForm::TScheduleManageForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ScheduleManageForm"));
    setWindowTitle(QStringLiteral("时间表编辑"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    FlatTabControl1 = new QTabBar(this);
    FlatTabControl1->addTab(QStringLiteral("日时间表编辑"));
    FlatTabControl1->addTab(QStringLiteral("年时间表指派"));
    FlatTabControl1->setDrawBase(false);
    Pages = new QStackedWidget(this);
    TabSheet1 = BuildDayPage();
    TabSheet2 = BuildSchedulePage();
    Pages->addWidget(TabSheet1);
    Pages->addWidget(TabSheet2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FlatTabControl1);
    layout->addWidget(Pages, 1);

    // The hour numbers of both hour grids.
    for (QTableWidget* grid : {StringGrid2, StringGrid3})
        for (int hour = 0; hour < CDayScheduleData::Hours; ++hour)
            grid->setItem(0, hour, new QTableWidgetItem(QString::number(hour)));
    WorkTime_Edit->SetActiving(true);
    WorkTime_Edit->SetStatus(true);
    WorkTime_Edit->MyPaint();

    connect(FlatTabControl1, &QTabBar::currentChanged, this, &TScheduleManageForm::FlatTabControl1TabChanged);
    resize(980, 680);
}

TScheduleManageForm::~TScheduleManageForm() = default;

QTableWidget* TScheduleManageForm::NewHoursGrid(QWidget* parent)
{
    auto* grid = new QTableWidget(2, CDayScheduleData::Hours, parent);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->horizontalHeader()->setMinimumSectionSize(20);
    const int rowHeight = grid->fontMetrics().height() + 6;
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->setFixedHeight(2 * rowHeight + 2 * grid->frameWidth());
    return grid;
}

QWidget* TScheduleManageForm::BuildDayPage()
{
    auto* page = new QWidget(this);
    ListBox1 = new QListWidget(page);
    ListBox1->setFixedWidth(190);
    Button4 = Button(QStringLiteral("添加"), page);
    Button5 = Button(QStringLiteral("更名"), page);
    Button6 = Button(QStringLiteral("删除"), page);
    Button10 = Button(QStringLiteral("交换数据"), page);
    Button8 = Button(QStringLiteral("关闭"), page);
    Button8->SetModalResult(mrOk);

    WorkTime_Edit = new TWorkTime(page);
    WorkTime_Edit->setMinimumHeight(300);
    CSpinEdit1 = HourSpin(0, page);
    ControlEdit1 = PercentEdit(QString(), page);
    CSpinEdit2 = HourSpin(0, page);
    CSpinEdit3 = HourSpin(23, page);
    ControlEdit2 = PercentEdit(QStringLiteral("0"), page);
    Button7 = Button(QStringLiteral("设置"), page);
    StringGrid2 = NewHoursGrid(page);

    auto* hour = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             new QLabel(QStringLiteral("时间"), page), CSpinEdit1, new QLabel(QStringLiteral("值"), page),
             ControlEdit1, new QLabel(QStringLiteral("%"), page)})
        hour->addWidget(widget);
    hour->addSpacing(40);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             new QLabel(QStringLiteral("从"), page), CSpinEdit2, new QLabel(QStringLiteral("到"), page), CSpinEdit3,
             new QLabel(QStringLiteral("值"), page), ControlEdit2, new QLabel(QStringLiteral("%"), page), Button7})
        hour->addWidget(widget);
    hour->addStretch();
    auto* close = new QHBoxLayout;
    close->addStretch();
    close->addWidget(Button8);
    auto* editor = new QVBoxLayout;
    editor->addWidget(WorkTime_Edit, 1);
    editor->addLayout(hour);
    editor->addWidget(StringGrid2);
    editor->addLayout(close);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(ListColumn(ListBox1, {Button4, Button5, Button6, Button10}));
    layout->addLayout(editor, 1);

    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    connect(WorkTime_Edit, &TWorkTime::OnValueChange, this, &TScheduleManageForm::WorkTime_EditValueChange);
    connect(WorkTime_Edit, &TWorkTime::OnWindowValueChange, this,
            &TScheduleManageForm::WorkTime_EditWindowValueChange);
    connect(WorkTime_Edit, &TWorkTime::OnActiveChange, this, &TScheduleManageForm::WorkTime_EditActiveChange);
    connect(CSpinEdit1, &QSpinBox::valueChanged, this, [this] { CSpinEdit1Change(); });
    // Only what the user types: the form's own texts must not count as an edit of the profile.
    connect(ControlEdit1, &QLineEdit::textEdited, this, [this] { ControlEdit1Change(); });
    connect(Button4, &TBMPButton::OnClick, this, &TScheduleManageForm::Button4Click);
    connect(Button5, &TBMPButton::OnClick, this, &TScheduleManageForm::Button5Click);
    connect(Button6, &TBMPButton::OnClick, this, &TScheduleManageForm::Button6Click);
    connect(Button7, &TBMPButton::OnClick, this, &TScheduleManageForm::Button7Click);
    connect(Button10, &TBMPButton::OnClick, this, &TScheduleManageForm::Button10Click);
    return page;
}

QWidget* TScheduleManageForm::BuildSchedulePage()
{
    auto* page = new QWidget(this);
    ListBox2 = new QListWidget(page);
    ListBox2->setFixedWidth(190);
    Button1 = Button(QStringLiteral("添加"), page);
    Button2 = Button(QStringLiteral("更名"), page);
    Button3 = Button(QStringLiteral("删除"), page);
    Button11 = Button(QStringLiteral("交换数据"), page);
    Button9 = Button(QStringLiteral("确定"), page);
    Button9->SetModalResult(mrOk);

    RadioGroup1 = new QGroupBox(QStringLiteral("时间表类型"), page);
    RadioGroup1Items = new QButtonGroup(RadioGroup1);
    auto* types = new QHBoxLayout(RadioGroup1);
    const QString typeNames[] = {QStringLiteral("普通类型"), QStringLiteral("自动控制(开关型)")};
    for (int type = 0; type < 2; ++type) {
        auto* radio = new QRadioButton(typeNames[type], RadioGroup1);
        RadioGroup1Items->addButton(radio, type);
        types->addWidget(radio, 1);
    }

    StringGrid1 = new QTableWidget(CScheduleData::DayTypes, CScheduleData::Months, page);
    QStringList months;
    for (const char* month : {"一月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月",
                              "十一月", "十二月"})
        months << QString::fromUtf8(month);
    StringGrid1->setHorizontalHeaderLabels(months);
    StringGrid1->setVerticalHeaderLabels({QStringLiteral("冬夏设计日"), QStringLiteral("逐月设计日"),
                                          QStringLiteral("星期一"), QStringLiteral("星期二"),
                                          QStringLiteral("星期三"), QStringLiteral("星期四"),
                                          QStringLiteral("星期五"), QStringLiteral("星期六"),
                                          QStringLiteral("星期日"), QStringLiteral("节假日")});
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setWordWrap(false);
    // Names of one schedule share their beginning and differ at the end.
    StringGrid1->setTextElideMode(Qt::ElideMiddle);
    StringGrid1->setMinimumHeight(10 * (fontMetrics().height() + 6));
    for (int day = 0; day < CScheduleData::DayTypes; ++day) {
        for (int month = 0; month < CScheduleData::Months; ++month) {
            auto* item = new QTableWidgetItem;
            // The design day of the year is read in January (winter) and July (summer) only.
            if (day == 0 && month != 0 && month != 6) {
                item->setFlags(Qt::NoItemFlags);
                item->setBackground(palette().window());
            }
            StringGrid1->setItem(day, month, item);
        }
    }
    // As in a string grid, a cell is current from the start.
    StringGrid1->setCurrentCell(0, 0);
    StringGrid3 = NewHoursGrid(page);

    auto* strip = new QHBoxLayout;
    for (int k = 0; k < StripSize; ++k) {
        SWorkSchedule[k] = new QWidget(page);
        SLabel[k] = new QLabel(SWorkSchedule[k]);
        WorkTime[k] = new TWorkTime(SWorkSchedule[k]);
        WorkTime[k]->setFixedHeight(64);
        WorkTime[k]->setCursor(Qt::PointingHandCursor);
        WorkTime[k]->installEventFilter(this);
        auto* panel = new QVBoxLayout(SWorkSchedule[k]);
        panel->setContentsMargins(0, 0, 0, 0);
        panel->addWidget(SLabel[k]);
        panel->addWidget(WorkTime[k], 1);
        strip->addWidget(SWorkSchedule[k], 1);
    }
    ScrollBar1 = new QScrollBar(Qt::Vertical, page);
    ScrollBar1->setPageStep(1);
    strip->addWidget(ScrollBar1);

    auto* ok = new QHBoxLayout;
    ok->addStretch();
    ok->addWidget(Button9);
    auto* right = new QVBoxLayout;
    right->addWidget(RadioGroup1);
    right->addWidget(StringGrid1, 1);
    right->addWidget(StringGrid3);
    right->addLayout(strip);
    right->addLayout(ok);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(ListColumn(ListBox2, {Button1, Button2, Button3, Button11}));
    layout->addLayout(right, 1);

    connect(ListBox2, &QListWidget::currentRowChanged, this, [this] { ListBox2Click(); });
    connect(RadioGroup1Items, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this] { StringGrid1Click(); });
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] { ScrollBar1Change(); });
    connect(Button1, &TBMPButton::OnClick, this, &TScheduleManageForm::Button1Click);
    connect(Button2, &TBMPButton::OnClick, this, &TScheduleManageForm::Button2Click);
    connect(Button3, &TBMPButton::OnClick, this, &TScheduleManageForm::Button3Click);
    connect(Button11, &TBMPButton::OnClick, this, &TScheduleManageForm::Button11Click);
    return page;
}

QString TScheduleManageForm::SelectedSchedule() const
{
    const QListWidgetItem* item = ListBox2->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

const CDayScheduleData* TScheduleManageForm::DaySchedule(int index) const
{
    return index >= 0 && index < static_cast<int>(m_days.size()) ? m_days[index].get() : nullptr;
}

const CScheduleData* TScheduleManageForm::Schedule(int index) const
{
    return index >= 0 && index < static_cast<int>(m_schedules.size()) ? m_schedules[index].get() : nullptr;
}

void TScheduleManageForm::SelectRow(QListWidget* list, int row)
{
    const QSignalBlocker blocker(list);
    if (row < 0 || row >= list->count()) {
        list->setCurrentRow(-1);
        list->clearSelection();
    } else {
        list->setCurrentRow(row);
    }
}

void TScheduleManageForm::RemoveRow(QListWidget* list, int row)
{
    {
        const QSignalBlocker blocker(list);
        delete list->takeItem(row);
    }
    SelectRow(list, list->count() == 0 ? -1 : row > 0 ? row - 1 : 0);
}

void TScheduleManageForm::RunExchange(TScheduleImportFormBase& exchange, const QListWidget* names)
{
    for (int row = 0; row < names->count(); ++row)
        exchange.ListBox1->addItem(names->item(row)->text());
    if (exchange.LoadPartner())
        exchange.exec();
}

void TScheduleManageForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TScheduleManageForm::FormShow()
{
    LoadDaySchedules();
    LoadSchedules();
    SetUpStrip();
    // The strip shows the day schedule of the grid's current cell.
    StringGrid1Click();
    {
        const QSignalBlocker blocker(FlatTabControl1);
        FlatTabControl1->setCurrentIndex(SchedulePage);
    }
    Pages->setCurrentIndex(SchedulePage);
}

void TScheduleManageForm::FlatTabControl1TabChanged(int index)
{
    const int leaving = Pages->currentIndex();
    if (index == leaving)
        return;
    if (leaving == DayPage) {
        TabSheet1Exit();
        // The day schedules may have changed.
        SetUpStrip();
        StringGrid1Click();
    } else {
        StoreSchedule();
    }
    Pages->setCurrentIndex(index);
}

void TScheduleManageForm::TabSheet1Exit()
{
    // Stored first: showing the stored values must not drop the edits.
    StoreDaySchedule();
    ShowDayInEditor(ListBox1->currentRow());
}

void TScheduleManageForm::FormClose()
{
    StoreSchedule();
    StoreDaySchedule();
    if (CMaterialParamNameList::Exists())
        CMaterialParamNameList::Current().ReloadSchedules();
}

void TScheduleManageForm::done(int result)
{
    // Every way out stores the pending edits, the close box included. A store the database refuses
    // raises and keeps the form open, edits and all.
    if (!m_closed) {
        FormClose();
        m_closed = true;
    }
    QDialog::done(result == Rejected ? mrCancel : result);
}

bool TScheduleManageForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int k = 0; k < StripSize; ++k) {
            if (watched == WorkTime[k] && WorkTime[k]->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
                WorkTime1Click(k);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
