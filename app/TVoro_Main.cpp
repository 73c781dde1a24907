#include "app/TVoro_Main.h"

#include "app/CDesktopPrograms.h"
#include "app/TNodeInfoPage.h"
#include "app/TProjectTreeDelegate.h"
#include "app/controls/CSysOutputManage.h"
#include "app/controls/TAbout.h"
#include "app/controls/TSysOutputPanel.h"
#include "calc/CCalculateHostBase.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CElementManage.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CSQLStatement.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "plugin/CPlugManage.h"
#include "project/CProjectDBRepair.h"
#include "project/CSystemGlobalData.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// Schema version up to which a project still carries the weather data of before GB50736-2012.
constexpr int kLastOldWeatherVersion = 45;

const char* const kDesignTypeCaptions[9] = {"空调负荷简单估算", "空调负荷分项估算", "空调负荷智能估算",
                                            "空调负荷详细计算", "空调负荷逐月计算", "空调负荷逐日计算",
                                            "采暖负荷详细计算", "采暖负荷逐月计算", "\t采暖负荷逐日计算"};

struct SLibraryAction
{
    const char* name;
    const char* caption;
    char accelerator;
    int tag;
};
// In the order of the library menu.
const SLibraryAction kLibraryActions[] = {
    {"Action_OutsidWall", "外墙", 'V', 0},
    {"Action_InsideWall", "内墙", 'W', 1},
    {"Action_Ceiling", "楼板", 'X', 2},
    {"Action_Roof", "屋顶", 'Y', 4},
    {"Action_Blindstory", "闷顶", 'Z', 5},
    {"Action_OutsideWindow", "外窗", 'L', 6},
    {"Action_OutsideDoor", "外门", 'M', 7},
    {"Action_GlassCurtainWall", "玻璃幕墙", 'N', 8},
    {"Action_GlassRoof", "玻璃屋顶", 'O', 9},
    {"Action_InsideWindow", "内窗", 'P', 10},
    {"Action_InsideDoor", "内门", 'Q', 11},
    {"Action_SkyWindow", "天窗", 'R', 12},
    {"Action_Ground", "地面", 'S', 13},
    {"Action_Floor", "地板", 'E', 3},
    {"Action_ProjectionFloor", "悬空地板", 'T', 14},
    {"Action_GapWall", "缝墙", 'J', 15},
    {"Action_BasementWall", "地下室外墙", 'F', 19},
};

QString MenuText(const QString& caption, char accelerator)
{
    return QStringLiteral("%1(&%2)").arg(caption, QChar::fromLatin1(accelerator));
}
} // namespace

TVoro_Main::TVoro_Main(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Voro_Main"));
    setWindowTitle(ProductCaption());
    m_treeView.SetObserver(this);
    BuildLayout();
    BuildMenus();
    BuildToolBars();
    BuildStatusBar();
    ConnectCommands();
    resize(1280, 720);
    m_desktopPrograms = std::make_unique<CDesktopPrograms>();
    FormCreate();
    CreateCalculateHost();
    CreateCustomHint();
    CreatePlugInHost();
}

TVoro_Main::~TVoro_Main()
{
    if (CSystemGlobalData::Exists() && CSystemGlobalData::Current().Host() == this)
        CSystemGlobalData::Current().SetHost(nullptr);
    if (CTreeView2DB::Exists() && CTreeView2DB::Current().Host() == this)
        CTreeView2DB::Current().SetHost(nullptr);
    m_treeView.SetObserver(nullptr);
    m_treeView.Clear();
}

QString TVoro_Main::ProductCaption()
{
    return QString::fromUtf8(CSystemGlobalData::ProductCaption);
}

QString TVoro_Main::NotAvailableText()
{
    return QStringLiteral("该功能在本版本中尚未提供。");
}

QString TVoro_Main::JoinCommandLine(const QStringList& parameters)
{
    return parameters.join(QLatin1Char(' '));
}

bool TVoro_Main::NeedsNewWeatherWarning(int storedVersion)
{
    return storedVersion != -1 && storedVersion <= kLastOldWeatherVersion;
}

void TVoro_Main::WarnAboutOldWeather(int storedVersion)
{
    if (!NeedsNewWeatherWarning(storedVersion))
        return;
    CTool::Current().ShowMessageBox(
        QStringLiteral("警告"),
        QStringLiteral(
            "《民用建筑供暖通风与空气调节设计规范》(GB50736-2012)已于2012年10月1日起正式执行，"
            "新的气象资料已经随规范发行\n\n建议您在工程中使用新的气象数据，以确保负荷计算的正确性。"),
        6, 0);
    Action_WeatherParamInputExecute();
}

// --- construction

QAction* TVoro_Main::AddAction(const QString& name, const QString& caption, const QString& hint, int tag)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setData(tag);
    action->setIconText(PlainCaption(caption));
    if (!hint.isEmpty()) {
        const int bar = hint.indexOf(QLatin1Char('|'));
        action->setToolTip(bar < 0 ? hint : hint.left(bar));
        action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
    }
    m_actions.insert(name, action);
    return action;
}

QString TVoro_Main::PlainCaption(const QString& caption)
{
    QString plain = caption;
    plain.remove(QRegularExpression(QStringLiteral("\\(&.\\)|\\t.*$|\\.\\.\\.$")));
    return plain.remove(QLatin1Char('&')).trimmed();
}

QAction* TVoro_Main::Action(const QString& name) const
{
    return m_actions.value(name);
}

void TVoro_Main::BuildLayout()
{
    // Left: node commands | tree over the calculation buttons | element tool bar.
    auto* panel1 = new QWidget;
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setMinimumWidth(30);
    auto* leftLayout = new QHBoxLayout(panel1);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);

    auto* nodeBar = new QToolBar(QStringLiteral("节点编辑"));
    nodeBar->setObjectName(QStringLiteral("ActionToolBar2"));
    nodeBar->setOrientation(Qt::Vertical);
    nodeBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    leftLayout->addWidget(nodeBar);

    auto* panel7 = new QWidget;
    panel7->setObjectName(QStringLiteral("Panel7"));
    auto* treeLayout = new QVBoxLayout(panel7);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    treeLayout->setSpacing(0);
    m_treeWidget = new QTreeWidget;
    m_treeWidget->setObjectName(QStringLiteral("TreeView1"));
    m_treeWidget->setToolTip(QStringLiteral("建筑元素树状图"));
    m_treeWidget->setHeaderHidden(true);
    m_treeWidget->setIndentation(19);
    m_treeWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_treeWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_treeWidget->setMouseTracking(true);
    m_treeWidget->setContextMenuPolicy(Qt::NoContextMenu);
    m_treeWidget->setItemDelegate(new TProjectTreeDelegate(m_treeWidget));
    m_treeWidget->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_treeWidget->header()->setStretchLastSection(false);
    m_treeWidget->viewport()->installEventFilter(this);
    m_treeWidget->installEventFilter(this);
    treeLayout->addWidget(m_treeWidget, 1);
    m_searchScroll = new QScrollArea;
    m_searchScroll->setObjectName(QStringLiteral("ScrollBox2"));
    m_searchScroll->setFrameShape(QFrame::NoFrame);
    // The panel takes the column's width and the open search form's height, without scroll bars.
    m_searchScroll->setWidgetResizable(true);
    m_searchScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_searchScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_searchPanel = new QWidget;
    m_searchPanel->setObjectName(QStringLiteral("SearchPanel"));
    (new QVBoxLayout(m_searchPanel))->setContentsMargins(1, 1, 0, 0);
    m_searchScroll->setWidget(m_searchPanel);
    CloseSearch();
    treeLayout->addWidget(m_searchScroll);

    auto* calcBar = new QToolBar(QStringLiteral("负荷输出"));
    calcBar->setObjectName(QStringLiteral("ToolBar1"));
    calcBar->setToolTip(QStringLiteral("负荷输出按钮栏"));
    calcBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    calcBar->setStyleSheet(QStringLiteral("QToolButton { color: blue; text-decoration: underline; }"));
    treeLayout->addWidget(calcBar);
    leftLayout->addWidget(panel7, 1);

    m_elementBar = new QToolBar(QStringLiteral("元素栏"));
    m_elementBar->setObjectName(QStringLiteral("ElementHurdle"));
    m_elementBar->setToolTip(QStringLiteral("元素栏"));
    m_elementBar->setOrientation(Qt::Vertical);
    m_elementBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* elementScroll = new QScrollArea;
    elementScroll->setObjectName(QStringLiteral("ElementPageScroller"));
    elementScroll->setWidget(m_elementBar);
    elementScroll->setWidgetResizable(true);
    elementScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    elementScroll->setFixedWidth(110);
    leftLayout->addWidget(elementScroll);

    // Right: the parameter area with the coordinate panel at its bottom.
    auto* panel2 = new QWidget;
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setMinimumWidth(100);
    auto* rightLayout = new QVBoxLayout(panel2);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_pageGroup = new QGroupBox;
    m_pageGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_pageGroup->setToolTip(QStringLiteral("建筑元素参数输入栏"));
    auto* groupLayout = new QVBoxLayout(m_pageGroup);
    groupLayout->setContentsMargins(2, 2, 2, 2);
    m_pageScroll = new QScrollArea;
    m_pageScroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_pageScroll->setWidgetResizable(true);
    m_infoPage = new TNodeInfoPage;
    m_infoPage->hide();
    m_pageScroll->setWidget(m_infoPage);
    groupLayout->addWidget(m_pageScroll, 1);

    m_coordinateGroupBox = new QGroupBox(QStringLiteral("坐标"));
    m_coordinateGroupBox->setObjectName(QStringLiteral("GroupBox2"));
    m_coordinateGroupBox->setToolTip(QStringLiteral("坐标栏"));
    auto* coordinateLayout = new QHBoxLayout(m_coordinateGroupBox);
    static const char* const labels[6] = {"X=", "Y=", "Z=", "X0=", "Y0=", "Z0="};
    static const char* const names[6] = {"m_X", "m_Y", "m_Z", "m_X0", "m_Y0", "m_Z0"};
    for (int i = 0; i < 6; ++i) {
        coordinateLayout->addWidget(new QLabel(QString::fromLatin1(labels[i])));
        m_coordinateEdits[i] = new QLineEdit;
        m_coordinateEdits[i]->setObjectName(QString::fromLatin1(names[i]));
        m_coordinateEdits[i]->setMaximumWidth(90);
        connect(m_coordinateEdits[i], &QLineEdit::textChanged, this, [this] { m_X0Change(); });
        coordinateLayout->addWidget(m_coordinateEdits[i]);
    }
    coordinateLayout->addStretch(1);
    m_coordinateGroupBox->hide();
    rightLayout->addWidget(m_pageGroup, 1);
    rightLayout->addWidget(m_coordinateGroupBox);

    m_mainSplitter = new QSplitter(Qt::Horizontal);
    m_mainSplitter->setObjectName(QStringLiteral("Splitter1"));
    m_mainSplitter->addWidget(panel1);
    m_mainSplitter->addWidget(panel2);
    m_mainSplitter->setStretchFactor(0, 0);
    m_mainSplitter->setStretchFactor(1, 1);
    m_mainSplitter->setSizes({440, 840});
    m_mainSplitter->setChildrenCollapsible(false);

    m_messagePanel = new TSysOutputPanel(CSysOutputManage::Instance());
    m_messagePanel->setObjectName(QStringLiteral("Panel5"));
    m_messagePanel->setMinimumHeight(1);

    m_rightSplitter = new QSplitter(Qt::Vertical);
    m_rightSplitter->setObjectName(QStringLiteral("Splitter2"));
    m_rightSplitter->addWidget(m_mainSplitter);
    m_rightSplitter->addWidget(m_messagePanel);
    m_rightSplitter->setStretchFactor(0, 1);
    m_rightSplitter->setStretchFactor(1, 0);
    m_rightSplitter->setHandleWidth(6);
    m_rightSplitter->setSizes({540, 120});
    setCentralWidget(m_rightSplitter);

    connect(m_treeWidget, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnWidgetCurrentChanged(current); });
    connect(m_treeWidget, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item) { OnWidgetItemChanged(item); });
    connect(m_treeWidget, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { OnWidgetItemExpanded(item, true); });
    connect(m_treeWidget, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { OnWidgetItemExpanded(item, false); });
    connect(m_treeWidget->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        // The editor closed without a change (Esc, or the same text): the rename is over.
        if (m_renaming) {
            m_renaming = false;
            m_treeWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
        }
    });
}

void TVoro_Main::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("ActionMainMenuBar1"));

    // Project.
    QMenu* project = bar->addMenu(QStringLiteral("工程项目(&X)"));
    project->setObjectName(QStringLiteral("ProjectMenu"));
    auto add = [this](QMenu* menu, const QString& name, const QString& caption,
                      const QString& hint = QString(), int tag = 0) {
        QAction* action = AddAction(name, caption, hint, tag);
        menu->addAction(action);
        return action;
    };
    add(project, QStringLiteral("Action_NewProject"), QStringLiteral("新建工程(&S)"),
        QStringLiteral("新建工程"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    add(project, QStringLiteral("Action_OpenProject"), QStringLiteral("打开工程(&T)"),
        QStringLiteral("打开工程"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    add(project, QStringLiteral("Action_Save"), QStringLiteral("保存(&U)"), QStringLiteral("保存"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    add(project, QStringLiteral("Action_SaveAs"), QStringLiteral("另存为(&V)..."),
        QStringLiteral("工程另存为"));
    add(project, QStringLiteral("Action_ProjectSummary"), QStringLiteral("工程概况(&W)"),
        QStringLiteral("工程概况"));
    add(project, QStringLiteral("Action_MakeCurrentProjectToModule"), QStringLiteral("生成模板(&X)"));
    add(project, QStringLiteral("Action_XML"), QStringLiteral("另存为(*.vlzx)(&M)"));
    add(project, QStringLiteral("Action_CloseProject"), QStringLiteral("关闭工程(&Y)"),
        QStringLiteral("关闭工程"));
    project->addSeparator();
    add(project, QStringLiteral("Action_Exit"), QStringLiteral("退出(&Z)"), QStringLiteral("退出系统"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    for (const char* name :
         {"Action_NewProject", "Action_OpenProject", "Action_Save", "Action_SaveAs", "Action_CloseProject",
          "Action_XML", "Action_MakeCurrentProjectToModule", "Action_ProjectSummary"})
        Action(QString::fromLatin1(name))->setEnabled(false);

    // Node editing: the hint of each command is its caption and its long hint.
    QMenu* edit = bar->addMenu(QStringLiteral("节点编辑(&W)"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    struct SNodeAction
    {
        const char* name;
        const char* caption;
        const char* longHint;
        const char* shortcut;
    };
    static const SNodeAction nodeActions[] = {
        {"Action_Copy", "拷贝", "拷贝该建筑元素", "Ctrl+C"},
        {"Action_Cut", "剪切", "剪切该建筑元素", "Ctrl+X"},
        {"Action_Paste", "粘贴", "粘贴剪贴板中建筑元素到该元素", "Ctrl+V"},
        {"Action_Delete", "删除", "删除该建筑元素", "Del"},
        {"Action_Find", "查找", "查找指定建筑元素", "Ctrl+F"},
        {"Action_Enabled", "激活", "激活该元素并参与计算", ""},
        {"Action_DisEnabled", "闲置", "使该元素及其子元素不参与计算", ""},
        {"Action_Top", "置于顶层", "把该建筑元素移到顶层", ""},
        {"Action_Front", "置前", "把建筑元素向前调整", ""},
        {"Action_Heir", "置后", "把建筑元素向后调整", ""},
        {"Action_Parent", "显示父层", "焦点移到父元素", ""},
        {"Action_ReView", "重显", "显示上次访问的元素", ""},
        {"Action_Expand", "展开", "展开所有子元素", "Ctrl+E"},
        {"Action_Furl", "收拢", "收拢所有子元素", ""},
    };
    for (const SNodeAction& node : nodeActions) {
        const QString caption = QString::fromUtf8(node.caption);
        QAction* action = add(edit, QString::fromLatin1(node.name), caption,
                              caption + QLatin1Char('|') + QString::fromUtf8(node.longHint));
        // The keys reach the tree's commands through the key preview, only while the tree has the
        // focus, so that the label editor and the property pages keep theirs.
        if (*node.shortcut) {
            action->setText(caption + QLatin1Char('\t') + QString::fromLatin1(node.shortcut));
            action->setIconText(caption);
        }
        action->setEnabled(false);
        if (QLatin1String(node.name) == QLatin1String("Action_Find") ||
            QLatin1String(node.name) == QLatin1String("Action_DisEnabled") ||
            QLatin1String(node.name) == QLatin1String("Action_Furl"))
            edit->addSeparator();
    }
    add(edit, QStringLiteral("act_edit"), QStringLiteral("更名"))->setEnabled(false);

    // Design parameters.
    QMenu* design = bar->addMenu(QStringLiteral("设计参数(&Y)"));
    design->setObjectName(QStringLiteral("DesignMenu"));
    AddAction(QStringLiteral("Action1"), QStringLiteral("设计类型"));
    QMenu* designTypes = design->addMenu(QStringLiteral("设计类型(&X)"));
    designTypes->menuAction()->setObjectName(QStringLiteral("Action1Menu"));
    m_designTypeGroup = new QActionGroup(this);
    for (int type = 0; type < 9; ++type) {
        const QString caption = QString::fromUtf8(kDesignTypeCaptions[type]);
        const QString longHint = QStringLiteral("设计类型：") + caption;
        QAction* action = AddAction(CActionState::DesignTypeActionName(type), caption,
                                    type < 3 ? caption + QLatin1Char('|') + longHint : longHint, type);
        action->setText(caption.trimmed() + QStringLiteral("(&%1)").arg(QChar(u'R' + type)));
        action->setCheckable(true);
        action->setChecked(type == 3);
        action->setEnabled(false);
        m_designTypeGroup->addAction(action);
        designTypes->addAction(action);
    }
    AddAction(QStringLiteral("Action2"), QStringLiteral("坐标设定"));
    QMenu* coordinates = design->addMenu(QStringLiteral("坐标设定(&Y)"));
    coordinates->setObjectName(QStringLiteral("CoordinateMenu"));
    m_coordinateGroup = new QActionGroup(this);
    m_coordinateGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (auto [name, caption, tag] : {std::tuple{"Action_AbsoluteCoordinate", "绝对坐标", 0},
                                      std::tuple{"Action_RelativeCoordinate", "相对坐标", 1}}) {
        QAction* action = AddAction(QString::fromLatin1(name), QString::fromUtf8(caption), QString(), tag);
        action->setCheckable(true);
        action->setChecked(tag == 1);
        action->setEnabled(false);
        m_coordinateGroup->addAction(action);
        coordinates->addAction(action);
    }
    add(design, QStringLiteral("Action_WeatherParamInput"), QStringLiteral("气象参数(&P)"),
        QStringLiteral("气象参数|气象参数设置"))
        ->setEnabled(false);
    add(design, QStringLiteral("Action_GroupFloor"), QStringLiteral("楼层组管理"))->setEnabled(false);
    design->addSeparator();
    add(design, QStringLiteral("act_structure_rework"), QStringLiteral("批量设置"),
        QStringLiteral("围护结构材料批量修改|围护结构材料批量设置"))
        ->setEnabled(false);
    add(design, QStringLiteral("act_structure_rework1"), QStringLiteral("批量修改"),
        QStringLiteral("围护结构详细批量修改|围护结构详细批量修改"))
        ->setEnabled(false);

    // Condition analysis.
    QMenu* condition = bar->addMenu(QStringLiteral("工况分析(&U)"));
    condition->setObjectName(QStringLiteral("ConditionMenu"));
    add(condition, QStringLiteral("Action_FrieshAirSystem"), QStringLiteral("新风系统"),
        QStringLiteral("新风空调系统划分|划分新风空调系统划分"), 1)
        ->setEnabled(false);
    add(condition, QStringLiteral("Action_AirSystem"), QStringLiteral("回风系统"),
        QStringLiteral("回风空调系统划分|划分回风空调系统"), 0)
        ->setEnabled(false);
    add(condition, QStringLiteral("act_LoadCalculation"), QStringLiteral("运行方案"))->setEnabled(false);
    add(condition, QStringLiteral("Action_RetailDesign_AirCase"), QStringLiteral("工况分析"),
        QStringLiteral("工况分析|系统工况分析"))
        ->setEnabled(false);

    // Energy saving.
    QMenu* energy = bar->addMenu(QStringLiteral("节能计算(&O)"));
    energy->setObjectName(QStringLiteral("EnergyMenu"));
    static const char* const standards[7] = {
        "国标GB50189-2005，严寒地区A区",     "国标GB50189-2005，严寒地区B区",
        "国标GB50189-2005，寒冷地区",        "国标GB50189-2005，夏热冬冷地区",
        "国标GB50189-2005，夏热冬暖地区",    "北京市地标DBJ01-621-2005，甲类建筑",
        "北京市地标DBJ01-621-2005，乙类建筑"};
    QMenu* standardMenu = energy->addMenu(QStringLiteral("适用节能标准(&Z)"));
    standardMenu->setObjectName(QStringLiteral("StandardMenu"));
    m_standardGroup = new QActionGroup(this);
    for (int i = 0; i < 7; ++i) {
        QAction* action = AddAction(QStringLiteral("act_STDType%1").arg(i + 1),
                                    QString::fromUtf8(standards[i]), QString(), i);
        action->setCheckable(true);
        action->setChecked(i == 0);
        action->setEnabled(false);
        m_standardGroup->addAction(action);
        standardMenu->addAction(action);
    }
    QMenu* buildingMenu = energy->addMenu(QStringLiteral("当前计算建筑(&Y)"));
    buildingMenu->setObjectName(QStringLiteral("BuildingMenu"));
    QAction* refresh = AddAction(QStringLiteral("act_RefreshBuilerList"), QStringLiteral("刷新(&Z)"),
                                 QStringLiteral("刷新建筑列表"));
    refresh->setEnabled(false);
    buildingMenu->addAction(refresh);
    buildingMenu->addSeparator();
    m_buildingGroup = new QActionGroup(this);
    for (int i = 1; i <= 10; ++i) {
        QAction* action =
            AddAction(QStringLiteral("act_SetCurBuilder%1").arg(i), QStringLiteral("建筑%1").arg(i));
        action->setCheckable(true);
        action->setVisible(false);
        m_buildingGroup->addAction(action);
        buildingMenu->addAction(action);
    }
    add(energy, QStringLiteral("act_FigureParam"), QStringLiteral("体形系数"))->setEnabled(false);
    add(energy, QStringLiteral("act_WindowWallCoff"), QStringLiteral("窗墙比"))->setEnabled(false);
    add(energy, QStringLiteral("act_outsidewindowcoff"), QStringLiteral("外窗传热系数"))->setEnabled(false);
    add(energy, QStringLiteral("act_outsidewallcoff"), QStringLiteral("外墙传热系数"))->setEnabled(false);
    energy->addSeparator();
    add(energy, QStringLiteral("act_outputtable"), QStringLiteral("指标判断表格输出"))->setEnabled(false);
    add(energy, QStringLiteral("act_savingmode"), QStringLiteral("节能模式"))->setEnabled(false);
    add(energy, QStringLiteral("act_balanceoutput"), QStringLiteral("权衡判断表格输出"))->setEnabled(false);

    // Output.
    QMenu* output = bar->addMenu(QStringLiteral("输出(&S)"));
    output->setObjectName(QStringLiteral("OutputMenu"));
    add(output, QStringLiteral("Action_OutputAndSet"), QStringLiteral("输出选项和输出"),
        QStringLiteral("输出选项和输出|输出选项设置以及输出"))
        ->setEnabled(false);
    add(output, QStringLiteral("act_HeatReport"), QStringLiteral("采暖负荷计算报表"));

    // Libraries.
    // Its caption names the system's or the project's libraries: a text of run time.
    m_libraryCaption = QStringLiteral("参数库(&R)");
    m_libraryMenu = bar->addMenu(m_libraryCaption);
    add(m_libraryMenu, QStringLiteral("Action_ParamInit"), QStringLiteral("参数初始化(&U)"),
        QStringLiteral("参数初始化|参数初始化设置"));
    m_libraryMenu->addSeparator();
    for (const SLibraryAction& library : kLibraryActions) {
        const QString caption = QString::fromUtf8(library.caption);
        QAction* action =
            add(m_libraryMenu, QString::fromLatin1(library.name), caption,
                caption + QLatin1Char('|') + caption + QStringLiteral("结构参数设置"), library.tag);
        action->setText(MenuText(caption, library.accelerator));
    }
    m_libraryMenu->addSeparator();
    add(m_libraryMenu, QStringLiteral("Action_WorkSchedule"), QStringLiteral("工作时间表(&K)"),
        QStringLiteral("工作时间表"), 17);
    add(m_libraryMenu, QStringLiteral("Action_Weather"), QStringLiteral("气象参数(&I)"));
    add(m_libraryMenu, QStringLiteral("Action_RoomUsage"), QStringLiteral("房间用途(&H)"),
        QStringLiteral("房间用途"), 16);
    add(m_libraryMenu, QStringLiteral("Action_StoryUsage"), QStringLiteral("楼层用途(&G)"),
        QStringLiteral("楼层用途"), 18);
    add(m_libraryMenu, QStringLiteral("act_base_material"), QStringLiteral("基础材料(&D)"),
        QStringLiteral("基础材料库"));

    // Tools.
    QMenu* tools = bar->addMenu(QStringLiteral("辅助功能(&Q)"));
    tools->setObjectName(QStringLiteral("ToolsMenu"));
    add(tools, QStringLiteral("Action_CAD"), QStringLiteral("CAD建模"))->setEnabled(false);
    add(tools, QStringLiteral("Action_MergePrj"), QStringLiteral("合并工程"))->setEnabled(false);
    add(tools, QStringLiteral("Action_PlugManage"), QStringLiteral("扩展功能"));
    tools->addSeparator();
    add(tools, QStringLiteral("Action_NotePad"), QStringLiteral("记事本"));
    add(tools, QStringLiteral("Action_Caculate"), QStringLiteral("计算器"));
    add(tools, QStringLiteral("Action_EasyCaculate"), QStringLiteral("面积计算器"));
    tools->addSeparator();
    m_languageMenu = tools->addMenu(QStringLiteral("界面语言(&L)"));
    m_languageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    connect(m_languageMenu, &QMenu::aboutToShow, this, [this] { FillLanguageMenu(); });
    FillLanguageMenu();

    // Remote calculation.
    QMenu* cloud = bar->addMenu(QStringLiteral("云计算(&Z)"));
    cloud->setObjectName(QStringLiteral("CloudMenu"));
    add(cloud, QStringLiteral("Action_CloudRegister"), QStringLiteral("会员注册(&Y)"))->setEnabled(false);
    add(cloud, QStringLiteral("Action_CloudCal"), QStringLiteral("云计算(&Z)"))->setEnabled(false);

    // Help.
    QMenu* help = bar->addMenu(QStringLiteral("帮助(&P)"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    add(help, QStringLiteral("Action_About"), QStringLiteral("关于(&Z)"));
    AddAction(QStringLiteral("Action_Help"), QStringLiteral("帮助"));
    AddAction(QStringLiteral("Action_ReCal"), QStringLiteral("重新计算"));

    // Batch operations.
    AddAction(QStringLiteral("atc_BatchAlter"), QStringLiteral("批量修改"),
              QStringLiteral("修改房间及内部元素"));
    AddAction(QStringLiteral("atc_BatchDelete"), QStringLiteral("批量删除"), QStringLiteral("批量删除房间"));
    AddAction(QStringLiteral("atc_BatchCopy"), QStringLiteral("批量复制"), QStringLiteral("复制房间"));
    AddAction(QStringLiteral("atc_BatchAdd"), QStringLiteral("批量添加"), QStringLiteral("添加房间下面元素"));
    AddAction(QStringLiteral("atc_BatchOp"), QStringLiteral("批量操作"));
    AddAction(QStringLiteral("Action_ADD"), QStringLiteral("批量添加"),
              QStringLiteral("建筑元素批量添加|建筑元素批量添加"))
        ->setEnabled(false);
    AddAction(QStringLiteral("Action_WorkScheduleButton"), QStringLiteral("时间表"),
              QStringLiteral("工作时间表"));

    // The tree's pop-up menu.
    m_treePopup = new QMenu(this);
    m_treePopup->setObjectName(QStringLiteral("PopupMenu1"));
    for (const char* name : {"Action_Copy", "Action_Cut", "Action_Paste"})
        m_treePopup->addAction(Action(QString::fromLatin1(name)));
    m_treePopup->addSeparator();
    m_treePopup->addAction(Action(QStringLiteral("act_edit")));
    m_treePopup->addSeparator();
    for (const char* name : {"Action_Delete", "Action_Find"})
        m_treePopup->addAction(Action(QString::fromLatin1(name)));
    m_treePopup->addSeparator();
    for (const char* name : {"Action_Enabled", "Action_DisEnabled"})
        m_treePopup->addAction(Action(QString::fromLatin1(name)));
}

void TVoro_Main::BuildToolBars()
{
    auto* bar4 = addToolBar(QStringLiteral("工程"));
    bar4->setObjectName(QStringLiteral("ActionToolBar4"));
    bar4->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const char* name :
         {"Action_NewProject", "Action_OpenProject", "Action_Save", "Action_ProjectSummary"})
        bar4->addAction(Action(QString::fromLatin1(name)));
    bar4->addSeparator();
    bar4->addAction(Action(QStringLiteral("Action_WeatherParamInput")));
    bar4->addSeparator();
    for (const char* name :
         {"Action_FrieshAirSystem", "Action_AirSystem", "act_LoadCalculation", "Action_RetailDesign_AirCase"})
        bar4->addAction(Action(QString::fromLatin1(name)));
    bar4->addSeparator();
    bar4->addAction(Action(QStringLiteral("Action_OutputAndSet")));
    bar4->addSeparator();
    bar4->addAction(Action(QStringLiteral("Action_CloudRegister")));
    bar4->addAction(Action(QStringLiteral("Action_CloudCal")));

    addToolBarBreak();
    auto* bar1 = addToolBar(QStringLiteral("批量"));
    bar1->setObjectName(QStringLiteral("ActionToolBar1"));
    bar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* batchMenu = new QMenu(this);
    for (const char* name : {"Action_ADD", "act_structure_rework", "act_structure_rework1"})
        batchMenu->addAction(Action(QString::fromLatin1(name)));
    QAction* batchOp = Action(QStringLiteral("atc_BatchOp"));
    batchOp->setMenu(batchMenu);
    bar1->addAction(batchOp);
    if (auto* button = qobject_cast<QToolButton*>(bar1->widgetForAction(batchOp)))
        button->setPopupMode(QToolButton::MenuButtonPopup);
    for (const char* name : {"atc_BatchDelete", "atc_BatchCopy", "atc_BatchAlter", "atc_BatchAdd",
                             "Action_CAD", "Action_WorkScheduleButton", "Action_PlugManage",
                             "Action_ParamInit", "act_base_material", "Action_Exit"})
        bar1->addAction(Action(QString::fromLatin1(name)));

    // Beside the tree: the node commands; under it: the calculation commands.
    auto* bar2 = findChild<QToolBar*>(QStringLiteral("ActionToolBar2"));
    for (const char* name :
         {"Action_Copy", "Action_Cut", "Action_Paste", "Action_Delete", "Action_Find", "Action_Enabled",
          "Action_DisEnabled", "Action_Top", "Action_Front", "Action_Heir", "Action_Parent", "Action_ReView",
          "Action_Expand", "Action_Furl"}) {
        QAction* action = Action(QString::fromLatin1(name));
        QAction* button = bar2->addAction(action->iconText());
        button->setToolTip(action->toolTip());
        // The button follows its action's state and texts and runs it.
        connect(action, &QAction::changed, button, [action, button] {
            button->setEnabled(action->isEnabled());
            button->setText(action->iconText());
            button->setToolTip(action->toolTip());
        });
        connect(button, &QAction::triggered, action, &QAction::trigger);
        button->setEnabled(action->isEnabled());
    }
    auto* calcBar = findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    calcBar->addAction(AddAction(QStringLiteral("ToolButton1"), QStringLiteral("最大负荷")));
    calcBar->addAction(AddAction(QStringLiteral("ToolButton2"), QStringLiteral("负荷曲线")));
    calcBar->addAction(AddAction(QStringLiteral("ToolButton3"), QStringLiteral("传热阻校核")));
    QAction* testOutput = AddAction(QStringLiteral("testoutput"), QStringLiteral("内部数据查看"));
    calcBar->addAction(testOutput);
    testOutput->setVisible(false);
    for (const char* name : {"ToolButton1", "ToolButton2", "ToolButton3"})
        Action(QString::fromLatin1(name))->setEnabled(false);
    AddAction(QStringLiteral("btnseason_chart"), QStringLiteral("插件"))->setEnabled(false);
}

void TVoro_Main::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    static const char* const texts[6] = {"信息提示：",    "", "设计类型:(无)", "所处城市:(无)",
                                         "设计单位:(无)", ""};
    static const int widths[6] = {130, 200, 200, 160, 300, 50};
    for (int i = 0; i < 6; ++i) {
        m_statusPanels[i] = new QLabel(QString::fromUtf8(texts[i]));
        m_statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_statusPanels[i]->setMinimumWidth(i == 4 ? 120 : qMin(widths[i], 100));
        m_statusPanels[i]->setAlignment(
            i == 0 ? Qt::AlignRight | Qt::AlignVCenter
                   : (i == 1 || i == 5 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter));
        bar->addPermanentWidget(m_statusPanels[i], i == 1 ? 1 : 0);
    }
    // The status bar shows the long hints of the actions in panel 1.
    connect(bar, &QStatusBar::messageChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            m_statusPanels[1]->setText(text);
    });
}

void TVoro_Main::ConnectCommands()
{
    auto on = [this](const char* name, void (TVoro_Main::*handler)()) {
        connect(Action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, handler] { (this->*handler)(); });
    };
    auto onSender = [this](const QString& name, void (TVoro_Main::*handler)(QAction*)) {
        QAction* action = Action(name);
        connect(action, &QAction::triggered, this, [this, handler, action] { (this->*handler)(action); });
    };
    on("Action_NewProject", &TVoro_Main::Action_NewProjectExecute);
    on("Action_OpenProject", &TVoro_Main::Action_OpenProjectExecute);
    on("Action_Save", &TVoro_Main::Action_SaveExecute);
    on("Action_CloseProject", &TVoro_Main::Action_CloseProjectExecute);
    on("Action_SaveAs", &TVoro_Main::Action_SaveAsExecute);
    on("Action_XML", &TVoro_Main::Action_XMLExecute);
    on("Action_Exit", &TVoro_Main::Action_ExitExecute);
    on("Action_Help", &TVoro_Main::Action_HelpExecute);
    on("Action_About", &TVoro_Main::Action_AboutExecute);
    on("Action_MakeCurrentProjectToModule", &TVoro_Main::Action_MakeCurrentProjectToModuleExecute);
    for (const char* name : {"act_savingmode", "act_balanceoutput"}) {
        QAction* action = Action(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, action] { NotAvailable(action->iconText()); });
    }

    on("Action_Copy", &TVoro_Main::Action_CopyExecute);
    on("Action_Cut", &TVoro_Main::Action_CutExecute);
    on("Action_Paste", &TVoro_Main::Action_PasteExecute);
    on("Action_Delete", &TVoro_Main::Action_DeleteExecute);
    on("Action_Find", &TVoro_Main::Action_FindExecute);
    on("Action_Enabled", &TVoro_Main::Action_EnabledExecute);
    on("Action_DisEnabled", &TVoro_Main::Action_DisEnabledExecute);
    on("Action_Top", &TVoro_Main::Action_TopExecute);
    on("Action_Front", &TVoro_Main::Action_FrontExecute);
    on("Action_Heir", &TVoro_Main::Action_HeirExecute);
    on("Action_Parent", &TVoro_Main::Action_ParentExecute);
    on("Action_ReView", &TVoro_Main::Action_ReViewExecute);
    on("Action_Expand", &TVoro_Main::Action_ExpandExecute);
    on("Action_Furl", &TVoro_Main::Action_FurlExecute);
    on("act_edit", &TVoro_Main::act_editExecute);
    on("Action_ADD", &TVoro_Main::Action_ADDExecute);
    on("atc_BatchAlter", &TVoro_Main::atc_BatchAlterExecute);
    on("atc_BatchDelete", &TVoro_Main::atc_BatchDeleteExecute);
    on("atc_BatchCopy", &TVoro_Main::atc_BatchCopyExecute);
    on("atc_BatchAdd", &TVoro_Main::atc_BatchAddExecute);
    on("atc_BatchOp", &TVoro_Main::atc_BatchOpExecute);

    on("Action1", &TVoro_Main::Action1Execute);
    on("Action2", &TVoro_Main::Action2Execute);
    onSender(QStringLiteral("Action_AbsoluteCoordinate"), &TVoro_Main::Action_RelativeCoordinateExecute);
    onSender(QStringLiteral("Action_RelativeCoordinate"), &TVoro_Main::Action_RelativeCoordinateExecute);

    for (int type = 0; type < 9; ++type)
        onSender(CActionState::DesignTypeActionName(type), &TVoro_Main::Aa);
    on("ToolButton1", &TVoro_Main::ToolButton1Click);
    on("ToolButton2", &TVoro_Main::ToolButton2Click);
    on("ToolButton3", &TVoro_Main::ToolButton3Click);
    on("testoutput", &TVoro_Main::testoutputClick);
    on("act_LoadCalculation", &TVoro_Main::act_LoadCalculationExecuteExecute);
    on("act_HeatReport", &TVoro_Main::act_HeatReportExecute);
    on("Action_OutputAndSet", &TVoro_Main::Action_OutputAndSetExecute);
    on("Action_RetailDesign_AirCase", &TVoro_Main::Action_RetailDesign_AirCaseExecute);

    on("Action_ParamInit", &TVoro_Main::Action_ParamInitExecute);
    for (const SLibraryAction& library : kLibraryActions)
        onSender(QString::fromLatin1(library.name), &TVoro_Main::Action_OutsidWallExecute);
    onSender(QStringLiteral("Action_RoomUsage"), &TVoro_Main::Action_OutsidWallExecute);
    onSender(QStringLiteral("Action_StoryUsage"), &TVoro_Main::Action_OutsidWallExecute);
    on("Action_Weather", &TVoro_Main::Action_WeatherExecute);
    on("Action_WeatherParamInput", &TVoro_Main::Action_WeatherParamInputExecute);
    on("Action_WorkSchedule", &TVoro_Main::Action_WorkScheduleExecute);
    on("Action_WorkScheduleButton", &TVoro_Main::Action_WorkScheduleExecute);
    on("act_base_material", &TVoro_Main::act_base_materialExecute);
    on("Action_ProjectSummary", &TVoro_Main::Action_ProjectSummaryExecute);
    on("Action_GroupFloor", &TVoro_Main::Action_GroupFloorExecute);
    onSender(QStringLiteral("Action_AirSystem"), &TVoro_Main::Action_AirSystemExecute);
    onSender(QStringLiteral("Action_FrieshAirSystem"), &TVoro_Main::Action_AirSystemExecute);
    on("act_structure_rework", &TVoro_Main::act_structure_reworkExecute);
    on("act_structure_rework1", &TVoro_Main::act_structure_rework1Execute);
    on("Action_CAD", &TVoro_Main::Action_CADExecute);
    on("Action_NotePad", &TVoro_Main::Action_NotePadExecute);
    on("Action_Caculate", &TVoro_Main::Action_CaculateExecute);
    on("Action_EasyCaculate", &TVoro_Main::Action_EasyCaculateExecute);
    on("Action_ReCal", &TVoro_Main::Action_ReCalExecute);
    for (int i = 1; i <= 7; ++i)
        onSender(QStringLiteral("act_STDType%1").arg(i), &TVoro_Main::act_STDType1Execute);
    for (int i = 1; i <= 10; ++i)
        onSender(QStringLiteral("act_SetCurBuilder%1").arg(i), &TVoro_Main::act_SetCurBuilderExecute);
    on("act_RefreshBuilerList", &TVoro_Main::act_RefreshBuilerListExecute);
    on("act_FigureParam", &TVoro_Main::act_FigureParamExecute);
    on("act_WindowWallCoff", &TVoro_Main::act_WindowWallCoffExecute);
    on("act_outsidewindowcoff", &TVoro_Main::act_outsidewindowcoffExecute);
    on("act_outsidewallcoff", &TVoro_Main::act_outsidewallcoffExecute);
    on("act_outputtable", &TVoro_Main::act_outputtableExecute);
}

// --- start-up and shut-down

void TVoro_Main::FormCreate()
{
    // The status bar's tool button with its pop-up menu.
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu2"));
    QMenu* clear = m_messagePanel->CreateClearMenu(popup);
    clear->setTitle(QStringLiteral("清除信息"));
    popup->addMenu(clear);
    QMenu* customTools = popup->addMenu(QStringLiteral("自定义工具"));
    customTools->menuAction()->setObjectName(QStringLiteral("Z1"));
    customTools->setEnabled(false);
    QAction* redirect =
        AddAction(QStringLiteral("RedirectToProjectPath"), QStringLiteral("转到当前工程目录"));
    redirect->setEnabled(false);
    popup->addAction(redirect);
    QAction* check = AddAction(QStringLiteral("N31"), QStringLiteral("工程有效性检测"));
    check->setEnabled(false);
    popup->addAction(check);
    QAction* contact = AddAction(QStringLiteral("N25"), QStringLiteral("联系我们"));
    popup->addAction(contact);
    connect(redirect, &QAction::triggered, this, [this] { RedirectToProjectPathClick(); });
    connect(check, &QAction::triggered, this, [this] { testbuttonClick(); });
    connect(contact, &QAction::triggered, this, [this] { N25Click(); });

    auto* tool = new QPushButton(QStringLiteral("工具"));
    tool->setObjectName(QStringLiteral("ToolButtonStatus"));
    tool->setFlat(true);
    connect(tool, &QPushButton::clicked, this,
            [tool, popup] { popup->popup(tool->mapToGlobal(QPoint(0, tool->height()))); });
    statusBar()->insertWidget(0, tool);
}

void TVoro_Main::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TVoro_Main::FormShow()
{
    if (!CSystemGlobalData::Exists())
        return;
    CSystemGlobalData& global = CSystemGlobalData::Current();
    global.SetHost(this);
    if (CTreeView2DB::Exists())
        CTreeView2DB::Current().SetHost(this);
    global.OpenProject(QString());
    BuildCustomToolMenu();
    BuildPlugInPopupMenu();
    BuildOutputMenu();

    if (m_commandLine.isEmpty())
        return;
    const QString fileName = JoinCommandLine(m_commandLine);
    if (!QFileInfo(fileName).isFile())
        return;
    int version = -1;
    global.OpenProject(fileName, version);
    WarnAboutOldWeather(version);
}

void TVoro_Main::Action_ExitExecute()
{
    // Closing the project saves it once, without a question.
    if (CSystemGlobalData::Exists())
        CSystemGlobalData::Current().OpenProject(QString());
    close();
}

void TVoro_Main::FormClose()
{
    if (CSystemGlobalData::Exists() && CSystemGlobalData::Current().IsProjectOpen())
        CSystemGlobalData::Current().OpenProject(QString());
}

void TVoro_Main::closeEvent(QCloseEvent* event)
{
    // Closing is never refused; a failed save is shown, and the project is closed all the same.
    try {
        FormClose();
    } catch (const Exception& e) {
        TApplication::ShowException(e.Message());
    }
    event->accept();
}

void TVoro_Main::Action_HelpExecute() {}

void TVoro_Main::Action_AboutExecute()
{
    TAbout about(this);
    about.exec();
}

// --- commands into other subsystems

void TVoro_Main::NotAvailable(const QString& command)
{
    QString name = command;
    name.remove(QLatin1Char('&'));
    CTool::Current().ShowMessageBox(
        QStringLiteral("提示"),
        (name.isEmpty() ? QString() : QStringLiteral("“%1”：").arg(name.trimmed())) + NotAvailableText(), 6,
        2);
}

void TVoro_Main::Action_ParamInitExecute()
{
    NotAvailable(QStringLiteral("参数初始化"));
}

void TVoro_Main::Action_WeatherExecute()
{
    NotAvailable(QStringLiteral("气象参数"));
}

void TVoro_Main::Action_WeatherParamInputExecute()
{
    NotAvailable(QStringLiteral("气象参数"));
}

void TVoro_Main::act_base_materialExecute()
{
    NotAvailable(QStringLiteral("基础材料"));
}

void TVoro_Main::act_structure_reworkExecute()
{
    CommitCurrentEditor();
    NotAvailable(QStringLiteral("围护结构材料批量设置"));
}

void TVoro_Main::act_structure_rework1Execute()
{
    CommitCurrentEditor();
    NotAvailable(QStringLiteral("围护结构详细批量修改"));
}

void TVoro_Main::Action_CADExecute()
{
    NotAvailable(QStringLiteral("CAD建模"));
}

void TVoro_Main::Action_ReCalExecute() {}

void TVoro_Main::Button1Click()
{
    NotAvailable(QStringLiteral("数据库导出"));
}

void TVoro_Main::Button2Click() {}

void TVoro_Main::RedirectToProjectPathClick()
{
    if (!CSystemGlobalData::Exists() || !CSystemGlobalData::Current().IsProjectOpen())
        return;
    OpenWithShell(CSystemGlobalData::Current().ProjectFolder());
}

void TVoro_Main::testbuttonClick()
{
    if (!CSystemGlobalData::Exists() || !CSystemGlobalData::Current().IsProjectOpen())
        return;
    CommitCurrentEditor();
    CheckAndRepairProjectDB();
    // Repairs rewrite rows the open page may show.
    RefreshSelectedPage();
}

void TVoro_Main::N25Click()
{
    QDesktopServices::openUrl(QUrl(TAbout::MailLink()));
}

void TVoro_Main::HideStartPage()
{
    // The start page is not part of this version: the parameter area is always shown.
}

// --- what the project lifecycle needs of the window

void TVoro_Main::ClearMessages()
{
    CSysOutputManage::Instance().ClearOutput(SysOutputAll);
}

void TVoro_Main::AddWarning(const QString& text)
{
    CSysOutputManage::Instance().AddOutputLine(SysOutputWarning, text);
}

void TVoro_Main::SetCaption(const QString& caption)
{
    setWindowTitle(caption.trimmed());
}

void TVoro_Main::SetLibraryMenuCaption(const QString& caption)
{
    m_libraryCaption = caption;
    m_libraryMenu->setTitle(LgText(caption));
}

void TVoro_Main::SetPathCaption(const QString& caption)
{
    m_pageGroup->setTitle(caption);
}

QString TVoro_Main::PathCaption() const
{
    return m_pageGroup->title();
}

void TVoro_Main::SetWeatherActionVisible(bool visible)
{
    Action(QStringLiteral("Action_Weather"))->setVisible(visible);
}

void TVoro_Main::HideCurrentBuildingActions()
{
    for (int i = 1; i <= 10; ++i)
        Action(QStringLiteral("act_SetCurBuilder%1").arg(i))->setVisible(false);
}

SActionInputs TVoro_Main::ActionInputs() const
{
    SActionInputs in;
    if (!CSystemGlobalData::Exists())
        return in;
    const CSystemGlobalData& global = CSystemGlobalData::Current();
    in.ProjectOpen = global.IsProjectOpen();
    in.DesignType = in.ProjectOpen ? global.DesignType : -1;
    in.SelectedNodeType = m_treeView.Selected() ? m_treeView.Selected()->Type() : -1;
    in.EnergyStandardIndex = in.ProjectOpen ? m_stdTypeIndex : -1;
    if (TInitalizationManage::Exists())
        in.DesignerName = TInitalizationManage::Current().GetInitValue(QStringLiteral("DesignerName"));
    if (CLIB_WeatherParameter::Exists())
        in.City = CLIB_WeatherParameter::Current().City;
    return in;
}

void TVoro_Main::ApplyActionState()
{
    for (auto it = m_actionState.EnabledStates().cbegin(); it != m_actionState.EnabledStates().cend(); ++it)
        if (QAction* action = Action(it.key()))
            action->setEnabled(it.value());
    for (auto it = m_actionState.CheckedStates().cbegin(); it != m_actionState.CheckedStates().cend(); ++it)
        if (QAction* action = Action(it.key()))
            action->setChecked(it.value());
}

QString TVoro_Main::StatusText(int panel) const
{
    return panel >= 0 && panel < 6 ? m_statusPanels[panel]->text() : QString();
}

void TVoro_Main::EnableProjectActions(bool enabled)
{
    m_actionState.EnableProjectActions(enabled, ActionInputs());
    ApplyActionState();
    Action(QStringLiteral("N31"))->setEnabled(enabled);
    Action(QStringLiteral("act_edit"))->setEnabled(enabled);
    HideStartPage();
}

void TVoro_Main::RefreshMainWindow()
{
    m_actionState.RefreshMainWindow(ActionInputs());
    if (m_plugManage)
        BuildOutputMenu();
    ApplyActionState();
    // Design type, city and design unit; empty without a project.
    for (int panel = 2; panel <= 4; ++panel)
        m_statusPanels[panel]->setText(m_actionState.StatusPanel(panel));
}

void TVoro_Main::ClearElementToolbar()
{
    m_actionState.ClearElementToolbar();
    m_elementBar->clear();
    m_elementBar->setMinimumHeight(0);
}

void TVoro_Main::BuildElementToolbar(int designType)
{
    m_actionState.BuildElementToolbar(designType, CElementManage::Current());
    m_elementBar->clear();
    auto* group = new QActionGroup(m_elementBar);
    for (const SElementToolButton& button : m_actionState.ToolButtons()) {
        const QString caption = button.Tag < 0 ? QStringLiteral("指针") : button.Caption;
        QAction* action = m_elementBar->addAction(caption);
        action->setObjectName(QStringLiteral("ElementTool%1").arg(button.Tag));
        action->setData(button.Tag);
        const int bar = button.Hint.indexOf(QLatin1Char('|'));
        action->setToolTip(bar < 0 ? button.Hint : button.Hint.left(bar));
        action->setStatusTip(bar < 0 ? button.Hint : button.Hint.mid(bar + 1));
        action->setCheckable(true);
        action->setChecked(button.Tag == m_actionState.CurrentElementTool());
        group->addAction(action);
        const int tag = button.Tag;
        connect(action, &QAction::triggered, this, [this, tag] { ElementToolClick(tag); });
    }
    TranslateBuiltTexts();
    // All buttons stay on the bar; its scroll area scrolls when the window is low.
    m_elementBar->setMinimumHeight(m_elementBar->sizeHint().height());
}

void TVoro_Main::CheckDesignTypeAction(int designType)
{
    if (QAction* action = Action(CActionState::DesignTypeActionName(designType)))
        action->setChecked(true);
}

void TVoro_Main::ShowCoordinateMode(bool relative)
{
    Action(QStringLiteral("Action_RelativeCoordinate"))->setChecked(relative);
    Action(QStringLiteral("Action_AbsoluteCoordinate"))->setChecked(!relative);
}

bool TVoro_Main::HasAnnualWeather()
{
    return CLIB_WeatherParameter::Exists() && !CLIB_WeatherParameter::Current().HourlyBlob.isEmpty();
}

void TVoro_Main::OpenWithShell(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool TVoro_Main::IsElementTypeUsed(int type)
{
    return CSystemGlobalData::Current().IsElementTypeUsed(type);
}
