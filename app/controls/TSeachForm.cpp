#include "app/controls/TSeachForm.h"

#include "app/controls/CNodeSearch.h"
#include "app/controls/CSysOutputDispatch_SearchResult.h"
#include "app/controls/CSysOutputManage.h"
#include "app/controls/TBMPButton.h"
#include "model/CNodeTreeView.h"
#include "model/CTreeItem.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QButtonGroup* AddRadioGroup(QWidget* form, const QString& name, const QString& title, const QStringList& items,
                            int checked)
{
    auto* box = new QGroupBox(title, form);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 4, 2);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], box);
        // A long choice is cut at the column's edge rather than widening the panel past the tree.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        button->setToolTip(items[i]);
        layout->addWidget(button);
        group->addButton(button, i);
    }
    group->button(checked)->setChecked(true);
    return group;
}

} // namespace

QStringList TSeachForm::KindItems()
{
    return {QStringLiteral("所有"),     QStringLiteral("大楼"),     QStringLiteral("楼层"),
            QStringLiteral("房间"),     QStringLiteral("人员"),     QStringLiteral("照明"),
            QStringLiteral("电热设备"), QStringLiteral("电子设备"), QStringLiteral("电动设备"),
            QStringLiteral("外墙"),     QStringLiteral("外窗"),     QStringLiteral("外门"),
            QStringLiteral("玻璃幕墙"), QStringLiteral("内墙"),     QStringLiteral("内窗"),
            QStringLiteral("内门"),     QStringLiteral("楼板"),     QStringLiteral("屋顶"),
            QStringLiteral("天窗"),     QStringLiteral("闷顶"),     QStringLiteral("玻璃屋顶"),
            QStringLiteral("地板"),     QStringLiteral("地面"),     QStringLiteral("悬空地板"),
            QStringLiteral("缝墙"),     QStringLiteral("食物"),     QStringLiteral("水面蒸发"),
            QStringLiteral("空气渗透"), QStringLiteral("其他"),     QStringLiteral("地下室外墙"),
            QStringLiteral("子树")};
}

TSeachForm::TSeachForm(CNodeTreeView* view, QWidget* owner) : QWidget(owner), m_view(view)
{
    setObjectName(QStringLiteral("SeachForm"));
    // Laid out rather than placed: the rows take the height of the display's font and the width
    // of the column under the tree, so the button and the status line are never cut.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    auto* searchRow = new QHBoxLayout;
    m_label2 = new QLabel(QStringLiteral("名称包含"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setMinimumWidth(60);
    m_bmpButton1 = new TBMPButton(QStringLiteral("查找"), this);
    m_bmpButton1->setObjectName(QStringLiteral("BMPButton1"));
    const QFontMetrics buttonFont(m_bmpButton1->GetFont());
    m_bmpButton1->setFixedSize(qMax(60, buttonFont.horizontalAdvance(QStringLiteral("查找")) + 24),
                               qMax(22, buttonFont.height() + 8));
    searchRow->addWidget(m_label2);
    searchRow->addWidget(m_edit1, 1);
    searchRow->addWidget(m_bmpButton1);
    layout->addLayout(searchRow);

    auto* statusRow = new QHBoxLayout;
    m_speedButton2 = new QToolButton(this);
    m_speedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    m_speedButton2->setAutoRaise(true);
    m_speedButton2->setText(QStringLiteral("高级<<"));
    // Wide enough for either caption, so the status line does not move when it changes.
    m_speedButton2->setMinimumWidth(m_speedButton2->sizeHint().width());
    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    statusRow->addWidget(m_speedButton2);
    statusRow->addWidget(m_label3, 1);
    layout->addLayout(statusRow);

    m_shape1 = new QFrame(this);
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_shape1->setFrameShape(QFrame::Box);
    auto* advanced = new QVBoxLayout(m_shape1);
    advanced->setContentsMargins(4, 4, 4, 4);
    advanced->setSpacing(2);
    auto* kindRow = new QHBoxLayout;
    auto* label1 = new QLabel(QStringLiteral("元素类别:"), m_shape1);
    label1->setObjectName(QStringLiteral("Label1"));
    m_comboBox1 = new QComboBox(m_shape1);
    m_comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    m_comboBox1->addItems(KindItems());
    m_comboBox1->setMaxVisibleItems(16);
    kindRow->addWidget(label1);
    kindRow->addWidget(m_comboBox1, 1);
    advanced->addLayout(kindRow);
    m_checkBox1 = new QCheckBox(QStringLiteral("包含闲置元素"), m_shape1);
    m_checkBox1->setObjectName(QStringLiteral("CheckBox1"));
    advanced->addWidget(m_checkBox1);
    m_radioGroup1 = AddRadioGroup(m_shape1, QStringLiteral("RadioGroup1"), QStringLiteral("范围"),
                                  {QStringLiteral("当前节点下属的所有节点"), QStringLiteral("所有节点")}, 1);
    advanced->addWidget(m_radioGroup1->buttons().first()->parentWidget());
    m_radioGroup2 = AddRadioGroup(
        m_shape1, QStringLiteral("RadioGroup2"), QStringLiteral("搜索方式"),
        {QStringLiteral("一有结果便停止"), QStringLiteral("搜索所有符合条件，并放到查询列表中")}, 1);
    advanced->addWidget(m_radioGroup2->buttons().first()->parentWidget());
    layout->addWidget(m_shape1);

    connect(m_bmpButton1, &TBMPButton::OnClick, this, [this] { SpeedButton1Click(); });
    connect(m_edit1, &QLineEdit::returnPressed, this, [this] { SpeedButton1Click(); });
    connect(m_speedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });

    if (owner) {
        if (owner->layout())
            owner->layout()->addWidget(this);
        else
            move(1, 1);
        owner->show();
    }
    FormShow();
}

void TSeachForm::FormShow()
{
    SpeedButton2Click();
    m_comboBox1->setCurrentIndex(0);
}

void TSeachForm::SpeedButton2Click()
{
    m_speedButton2->setText(m_collapsed ? QStringLiteral("高级<<") : QStringLiteral("高级>>"));
    m_shape1->setVisible(m_collapsed);
    m_collapsed = !m_collapsed;
    layout()->activate();
    setFixedHeight(layout()->sizeHint().height());
    ResizeOwner();
}

void TSeachForm::ResizeOwner()
{
    QWidget* panel = parentWidget();
    if (!panel)
        return;
    // The width follows the column; only the height is the form's.
    panel->setFixedHeight(height() + 1);
    if (!panel->layout())
        panel->setFixedWidth(width() + 1);
    for (QWidget* up = panel->parentWidget(); up; up = up->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(up)) {
            area->setFixedHeight(height() + 5);
            break;
        }
    }
}

void TSeachForm::SpeedButton1Click()
{
    if (!m_view || m_view->TopCount() == 0)
        return;
    m_pattern = m_edit1->text().trimmed();
    if (m_pattern.isEmpty())
        return;
    m_bmpButton1->setEnabled(false);
    m_label3->setText(QStringLiteral("正在查找..."));
    m_hitCount = 0;

    // The button and the status line come back whatever the search does, an exception included.
    struct Finish
    {
        TSeachForm* form;
        ~Finish()
        {
            form->m_bmpButton1->setEnabled(true);
            form->m_label3->setText(form->m_hitCount != 0
                                        ? QStringLiteral("查找到%1个记录").arg(form->m_hitCount)
                                        : QStringLiteral("没有你需要的结果"));
        }
    } finish{this};

    SNodeSearchOptions options;
    options.Pattern = m_pattern;
    options.Type = m_comboBox1->currentIndex() > 0 ? m_comboBox1->currentIndex() : 0;
    options.IncludeIdle = m_checkBox1->isChecked();
    options.StopAtFirst = m_radioGroup2->checkedId() == 0;

    CSysOutputManage& output = CSysOutputManage::Instance();
    if (!options.StopAtFirst) {
        output.ClearOutput(SysOutputSearch);
        output.SetShownCategory(SysOutputSearch);
    }

    CTreeItem* start = m_view->TopItem(0);
    QString prefix;
    if (m_view->Selected() && m_radioGroup1->checkedId() == 0) {
        start = m_view->Selected();
        prefix = CNodeSearch::AncestorPrefix(start);
    }
    CNodeSearch search(options);
    search.SearchNode(start, prefix);
    m_hitCount = search.HitCount();

    if (options.StopAtFirst) {
        if (!search.Hits().empty())
            m_view->Select(search.Hits().front().Item);
        return;
    }
    CSysOutputManage::UpdateScope scope(output);
    for (const SNodeSearchHit& hit : search.Hits())
        output.AddOutputLine(SysOutputSearch, hit.Path,
                             std::make_unique<CSysOutputDispatch_SearchResult>(hit.NodeId));
}
