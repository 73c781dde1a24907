// The output options dialog: construction, layout and showing.
#include "report/forms/TOutputParamSet.h"

#include "app/controls/TCheckPopupTree.h"
#include "app/controls/TCheckTreeView.h"
#include "app/controls/TControlEdit.h"
#include "app/controls/TRadioGroup.h"
#include "calc/ResultByType.h"
#include "model/CProjectData.h"
#include "model/TDM_Project.h"
#include "platform/core/CTool.h"
#include "plugin/CPlugReportItem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kDayColumns = 7;
constexpr int kDayRows = 5;
constexpr int kDayCell = 22;

QStringList MonthNames()
{
    QStringList names;
    for (int m = 1; m <= 12; ++m)
        names << QStringLiteral("%1月").arg(m);
    return names;
}

QPushButton* DayButton(const QString& text, const QString& hint, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setToolTip(hint);
    return button;
}

// The integer of a tbl_registry value; 0 when the key is absent or not a number.
int RegistryInt(const char* key)
{
    CDbQuery& query = TDM_Project::Current().qryTemp;
    const int rows = CTool::OpenQuery(
        query, CSQLStatement("Select f_value from tbl_registry where f_key=?", {QString::fromLatin1(key)}));
    const int value = rows > 0 ? query.Field(0).toString().trimmed().toInt() : 0;
    query.Close();
    return value;
}
} // namespace

const std::array<const char*, TOutputParamSet::SectionCount>& TOutputParamSet::SectionCaptions()
{
    static const std::array<const char*, SectionCount> captions = {
        "设计参数", "详细计算参数", "统计数据",   "逐时数据",   "封面",       "建筑概况",   "气象资料",
        "围护结构参数", "计算方法及公式", "工况分析结果", "设备选择结果", "楼层组管理", "回风系统划分", "新风系统划分"};
    return captions;
}

const std::array<const char*, TOutputParamSet::SectionCount>& TOutputParamSet::SectionKeys()
{
    static const std::array<const char*, SectionCount> keys = {
        "IndoorDesignParam", "DetailCal",    "TotalCal",     "DetailedCal", "cover",       "ProjectInfo",
        "Weather",           "EncloseParam", "Loadformula",  "RetailDesign", "设备选择结果", "StoreyGroup",
        "ReboundAirSystem",  "NewAirSystem"};
    return keys;
}

int TOutputParamSet::SectionOfCaption(const QString& caption)
{
    for (int i = 0; i < SectionCount; ++i)
        if (caption.contains(QString::fromUtf8(SectionCaptions()[static_cast<size_t>(i)])))
            return i;
    return -1;
}

TOutputParamSet::TOutputParamSet(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("输出"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    BuildLayout();
    FormCreate();
}

TOutputParamSet::~TOutputParamSet() = default;

void TOutputParamSet::BuildLayout()
{
    auto* outer = new QHBoxLayout(this);

    // Left: the option tree, the settings of the selected section, the landscape box.
    auto* left = new QGridLayout;
    CheckTreeView1 = new TCheckTreeView(this);
    CheckTreeView1->setObjectName(QStringLiteral("CheckTreeView1"));
    CheckTreeView1->setColumnCount(2);
    CheckTreeView1->setHeaderHidden(true);
    CheckTreeView1->header()->setStretchLastSection(false);
    CheckTreeView1->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    CheckTreeView1->header()->setSectionResizeMode(1, QHeaderView::Fixed);
    CheckTreeView1->header()->resizeSection(1, 26);
    CheckTreeView1->setIndentation(20);
    CheckTreeView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    CheckTreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CheckTreeView1->ApplyToParent = true;
    CheckTreeView1->ApplyToChild = true;
    CheckTreeView1->setMinimumSize(300, 480);
    left->addWidget(CheckTreeView1, 0, 0, 2, 1);

    PageControl1 = new QStackedWidget(this);
    TabSheet2 = BuildDesignPage();
    TabSheet3 = BuildStatisticsPage();
    TabSheet4 = BuildHourlyPage();
    PageControl1->addWidget(TabSheet2);
    PageControl1->addWidget(TabSheet3);
    PageControl1->addWidget(TabSheet4);
    PageControl1->setMinimumWidth(280);
    left->addWidget(PageControl1, 0, 1, Qt::AlignTop);

    Panel3 = new QWidget(this);
    auto* landscape = new QHBoxLayout(Panel3);
    landscape->setContentsMargins(0, 0, 0, 0);
    CheckBox4 = new QCheckBox(QStringLiteral("本章节强制横打"), Panel3);
    BMPButton1 = new QPushButton(QStringLiteral("应用到其它章节"), Panel3);
    landscape->addWidget(CheckBox4);
    landscape->addWidget(BMPButton1);
    landscape->addStretch();
    left->addWidget(Panel3, 1, 1, Qt::AlignBottom);
    left->setColumnStretch(0, 1);
    outer->addLayout(left, 1);

    // Right: output mode, output, defaults, all or nothing, help, OK and cancel.
    auto* right = new QVBoxLayout;
    RadioGroup1 = new TRadioGroup(QStringLiteral("输出方式"),
                                  {QStringLiteral("报表"), QStringLiteral("数据文件"), QStringLiteral("WORD文档")}, 1, this);
    right->addWidget(RadioGroup1);
    Button2 = new QPushButton(QStringLiteral("输出"), this);
    Button1 = new QPushButton(QStringLiteral("恢复缺省值"), this);
    right->addWidget(Button2);
    right->addWidget(Button1);
    right->addSpacing(12);
    CheckBox2 = new QCheckBox(QStringLiteral("全选"), this);
    CheckBox3 = new QCheckBox(QStringLiteral("全不选"), this);
    right->addWidget(CheckBox2);
    right->addWidget(CheckBox3);
    right->addSpacing(12);
    img2 = new QToolButton(this);
    img2->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    img2->setIconSize(QSize(32, 32));
    img2->setToolTip(QStringLiteral("如何更好的节约报告纸张"));
    img2->setAutoRaise(true);
    right->addWidget(img2, 0, Qt::AlignHCenter);
    right->addStretch();
    FlatButton2 = new QPushButton(QStringLiteral("确定"), this);
    FlatButton3 = new QPushButton(QStringLiteral("取消"), this);
    right->addWidget(FlatButton2);
    right->addWidget(FlatButton3);
    outer->addLayout(right);

    CheckTreeView1->OnNodeSatueChange = [this](QTreeWidgetItem* item) { CheckTreeView1NodeSatueChange(item); };
    connect(CheckTreeView1, &QTreeWidget::currentItemChanged, this, [this] { CheckTreeView1Change(); });
    connect(CheckBox4, &QCheckBox::clicked, this, [this] { CheckBox4Click(); });
    connect(BMPButton1, &QPushButton::clicked, this, [this] { BMPButton1Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(CheckBox2, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    connect(CheckBox3, &QCheckBox::clicked, this, [this] { CheckBox3Click(); });
    connect(img2, &QToolButton::clicked, this, [this] { img2Click(); });
    connect(FlatButton2, &QPushButton::clicked, this, [this] { FlatButton2Click(); });
    connect(FlatButton3, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TOutputParamSet::BuildDesignPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    RadioGroup2 = new TRadioGroup(QStringLiteral("室内设计参数"),
                                  {QStringLiteral("以房间为依据"), QStringLiteral("以房间用途为依据")}, 1, page);
    layout->addWidget(RadioGroup2);
    layout->addStretch();
    return page;
}

QWidget* TOutputParamSet::BuildStatisticsPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    RadioGroup4 = new TRadioGroup(QStringLiteral("统计方式"),
                                  {QStringLiteral("综合最大值"), QStringLiteral("累计最大值")}, 2, page);
    RadioGroup3 = new TRadioGroup(QStringLiteral("统计依据"),
                                  {QStringLiteral("按系统统计"), QStringLiteral("按楼层统计")}, 2, page);
    layout->addWidget(RadioGroup4);
    layout->addWidget(RadioGroup3);
    PageControl3 = BuildMonthDayPages(CheckListBox3, StringGrid2, ComboBox4);
    layout->addWidget(PageControl3);
    layout->addStretch();
    return page;
}

QWidget* TOutputParamSet::BuildHourlyPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* hours = new QGridLayout;
    RadioButton5 = new QRadioButton(QStringLiteral("按时间段输出"), page);
    RadioButton6 = new QRadioButton(QStringLiteral("固定时刻输出"), page);
    ComboBox1 = new QComboBox(page);
    ComboBox2 = new QComboBox(page);
    for (int h = 0; h < 24; ++h) {
        ComboBox1->addItem(QStringLiteral("%1:00").arg(h));
        ComboBox2->addItem(QStringLiteral("%1:00").arg(h));
    }
    ControlEdit1 = new TControlEdit(page);
    ControlEdit1->SetControlMode(MINTEGER);
    ControlEdit1->SetMinValue(QStringLiteral("0"));
    ControlEdit1->SetMaxValue(QStringLiteral("12"));
    ControlEdit1->setText(QStringLiteral("0"));
    ControlEdit2 = new TControlEdit(page);
    ControlEdit2->SetControlMode(MINTEGER);
    // One hour at least: an interval of 0 would print the same hour over and over.
    ControlEdit2->SetMinValue(QStringLiteral("1"));
    ControlEdit2->SetMaxValue(QStringLiteral("12"));
    ControlEdit2->setText(QStringLiteral("1"));
    hours->addWidget(RadioButton5, 0, 0, 1, 4);
    hours->addWidget(new QLabel(QStringLiteral("从"), page), 1, 0);
    hours->addWidget(ComboBox1, 1, 1);
    hours->addWidget(new QLabel(QStringLiteral("到"), page), 1, 2);
    hours->addWidget(ComboBox2, 1, 3);
    hours->addWidget(RadioButton6, 2, 0, 1, 4);
    hours->addWidget(new QLabel(QStringLiteral("最大负荷附近"), page), 3, 0, 1, 2);
    hours->addWidget(ControlEdit1, 3, 2);
    hours->addWidget(new QLabel(QStringLiteral("h"), page), 3, 3);
    hours->addWidget(new QLabel(QStringLiteral("时间间隔:"), page), 4, 0, 1, 2);
    hours->addWidget(ControlEdit2, 4, 2);
    hours->addWidget(new QLabel(QStringLiteral("h"), page), 4, 3);
    layout->addLayout(hours);
    RadioGroup6 = new TRadioGroup(QStringLiteral("数据全为零的行是否显示"), {QStringLiteral("否"), QStringLiteral("是")}, 2,
                                  page);
    RadioGroup8 = new TRadioGroup(QStringLiteral("对选定的大楼进行汇总"), {QStringLiteral("否"), QStringLiteral("是")}, 2,
                                  page);
    CheckBox5 = new QCheckBox(QStringLiteral("表头中输出冬季负荷"), page);
    CheckBox6 = new QCheckBox(QStringLiteral("表头中输出室内设计参数"), page);
    layout->addWidget(RadioGroup6);
    layout->addWidget(RadioGroup8);
    layout->addWidget(CheckBox5);
    layout->addWidget(CheckBox6);
    PageControl2 = BuildMonthDayPages(CheckListBox2, StringGrid1, ComboBox3);
    layout->addWidget(PageControl2);
    layout->addStretch();
    return page;
}

QStackedWidget* TOutputParamSet::BuildMonthDayPages(QListWidget*& months, QTableWidget*& grid, QComboBox*& monthBox)
{
    auto* pages = new QStackedWidget(this);
    months = new QListWidget(pages);
    for (const QString& name : MonthNames()) {
        auto* item = new QListWidgetItem(name, months);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    months->setFixedHeight(12 * 20 + 8);
    pages->addWidget(months);

    auto* dayPage = new QWidget(pages);
    auto* dayLayout = new QGridLayout(dayPage);
    monthBox = new QComboBox(dayPage);
    monthBox->addItems(MonthNames());
    grid = new QTableWidget(kDayRows, kDayColumns, dayPage);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(kDayCell);
    grid->verticalHeader()->setDefaultSectionSize(kDayCell);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedSize(kDayColumns * kDayCell + 2 * grid->frameWidth(), kDayRows * kDayCell + 2 * grid->frameWidth());
    QPushButton* set = DayButton(QStringLiteral("输出"), QStringLiteral("输出当前选择日负荷"), dayPage);
    QPushButton* clear = DayButton(QStringLiteral("不输出"), QStringLiteral("取消输出该日负荷"), dayPage);
    QPushButton* copy = DayButton(QStringLiteral("应用到其他月份"), QStringLiteral("应用到其他月份"), dayPage);
    dayLayout->addWidget(monthBox, 0, 0);
    dayLayout->addWidget(grid, 1, 0, 3, 1);
    dayLayout->addWidget(set, 1, 1);
    dayLayout->addWidget(clear, 2, 1);
    dayLayout->addWidget(copy, 3, 1);
    pages->addWidget(dayPage);

    QTableWidget* target = grid;
    connect(monthBox, &QComboBox::currentIndexChanged, this, [this, target] { RefreshDayGrid(target); });
    connect(set, &QPushButton::clicked, this, [this, target] { SetSelectedDays(target, true); });
    connect(clear, &QPushButton::clicked, this, [this, target] { SetSelectedDays(target, false); });
    connect(copy, &QPushButton::clicked, this, [this, target] { ApplyToOtherMonths(target); });
    connect(grid, &QTableWidget::cellDoubleClicked, this,
            [this, target](int row, int column) { ToggleDay(target, row, column); });
    return pages;
}

void TOutputParamSet::FormCreate()
{
    BuildOptionTree();
    LandscapeRegistry.LoadRegistrySection(QStringLiteral("Landscape"));
    OutputRegistry.LoadRegistrySection(QStringLiteral("Output"));
    if (CheckTreeView1->topLevelItemCount() > 0)
        CheckTreeView1->setCurrentItem(CheckTreeView1->topLevelItem(0));
}

void TOutputParamSet::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TOutputParamSet::FormShow()
{
    RadioGroup1->SetItemIndex(0);
    const int designType = CurrentDesignType();
    const bool monthly = designType == 4 || designType == 7;
    const bool daily = designType == 5 || designType == 8;
    const CProjectData& project = CProjectData::Current();
    PageControl2->setVisible(monthly || daily);
    PageControl3->setVisible(monthly || daily);
    if (monthly) {
        PageControl2->setCurrentIndex(0);
        PageControl3->setCurrentIndex(0);
        for (int m = 0; m < 12; ++m) {
            CheckListBox2->item(m)->setCheckState(project.MonthCheck[static_cast<size_t>(m)] ? Qt::Checked
                                                                                             : Qt::Unchecked);
            CheckListBox3->item(m)->setCheckState(
                project.MonthCheck_Total[static_cast<size_t>(m)] ? Qt::Checked : Qt::Unchecked);
        }
    } else if (daily) {
        PageControl2->setCurrentIndex(1);
        PageControl3->setCurrentIndex(1);
        ComboBox3->setCurrentIndex(0);
        ComboBox4->setCurrentIndex(0);
        RefreshDayGrid(StringGrid1);
        RefreshDayGrid(StringGrid2);
    }
    PageControl1->hide();

    RadioGroup2->SetItemIndex(project.InRoomDesignParamType == 0 ? 0 : 1);
    RadioGroup3->SetItemIndex(project.StatisticsType);
    RadioGroup4->SetItemIndex(project.StatisticalStyle);
    ComboBox1->setCurrentIndex(project.TimeBeginning);
    ComboBox2->setCurrentIndex(project.TimeEnd);
    (project.TimePeriodType == 1 ? RadioButton6 : RadioButton5)->setChecked(true);
    ControlEdit1->setText(QString::number(project.HourfromMaximumLoad));
    ControlEdit2->setText(QString::number(project.HourInterval));

    PopupTree = new TCheckPopupTree(this);
    PopupTree->ConstructTree();
    PopupTree->ApplyToChild = true;
    PopupTree->ApplyToParent = true;

    const bool detailed = designType == 3;
    RadioGroup6->setVisible(detailed);
    RadioGroup8->setVisible(detailed);
    CheckBox5->setVisible(detailed);
    CheckBox6->setVisible(detailed);
    RadioGroup6->SetItemIndex(RegistryInt("ShowZeroRow"));
    RadioGroup8->SetItemIndex(RegistryInt("PrintAllBuilding"));
    CheckBox5->setChecked(OutputRegistry.ReadRegistryBool(QStringLiteral("Head_Winter"), true));
    CheckBox6->setChecked(OutputRegistry.ReadRegistryBool(QStringLiteral("Head_RoomDetail"), true));
    CheckTreeView1Change();
}

void TOutputParamSet::done(int result)
{
    // Whatever closes the dialog, the settings are kept.
    StoreSettings();
    QDialog::done(result);
}
