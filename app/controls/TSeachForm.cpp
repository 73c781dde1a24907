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
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>

namespace {

constexpr int kWidth = 260;
constexpr int kShapeTop = 45;
constexpr int kShapeHeight = 180;

QButtonGroup* AddRadioGroup(QWidget* form, const QString& name, const QString& title, const QRect& rect,
                            const QStringList& items, int checked)
{
    auto* box = new QGroupBox(title, form);
    box->setObjectName(name);
    box->setGeometry(rect);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], box);
        button->setGeometry(8, 18 + i * 20, rect.width() - 12, 18);
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
    setFixedWidth(kWidth);

    m_label2 = new QLabel(QStringLiteral("名称包含"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(4, 4, 56, 20);
    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setGeometry(62, 2, 128, 22);
    m_bmpButton1 = new TBMPButton(QStringLiteral("查找"), this);
    m_bmpButton1->setObjectName(QStringLiteral("BMPButton1"));
    m_bmpButton1->setGeometry(194, 2, 60, 22);
    m_speedButton2 = new QToolButton(this);
    m_speedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    m_speedButton2->setAutoRaise(true);
    m_speedButton2->setText(QStringLiteral("高级>>"));
    m_speedButton2->setGeometry(2, 25, 58, 18);
    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setGeometry(64, 25, kWidth - 66, 18);

    m_shape1 = new QFrame(this);
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_shape1->setFrameShape(QFrame::Box);
    m_shape1->setGeometry(2, kShapeTop, kWidth - 4, kShapeHeight);
    auto* label1 = new QLabel(QStringLiteral("元素类别:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(8, kShapeTop + 8, 64, 20);
    m_comboBox1 = new QComboBox(this);
    m_comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    m_comboBox1->addItems(KindItems());
    m_comboBox1->setMaxVisibleItems(16);
    m_comboBox1->setGeometry(74, kShapeTop + 6, 140, 22);
    m_checkBox1 = new QCheckBox(QStringLiteral("包含闲置元素"), this);
    m_checkBox1->setObjectName(QStringLiteral("CheckBox1"));
    m_checkBox1->setGeometry(8, kShapeTop + 32, 200, 20);
    m_radioGroup1 = AddRadioGroup(this, QStringLiteral("RadioGroup1"), QStringLiteral("范围"),
                                  QRect(6, kShapeTop + 54, kWidth - 12, 58),
                                  {QStringLiteral("当前节点下属的所有节点"), QStringLiteral("所有节点")}, 1);
    m_radioGroup2 = AddRadioGroup(
        this, QStringLiteral("RadioGroup2"), QStringLiteral("搜索方式"),
        QRect(6, kShapeTop + 114, kWidth - 12, 60),
        {QStringLiteral("一有结果便停止"), QStringLiteral("搜索所有符合条件，并放到查询列表中")}, 1);

    connect(m_bmpButton1, &TBMPButton::OnClick, this, [this] { SpeedButton1Click(); });
    connect(m_edit1, &QLineEdit::returnPressed, this, [this] { SpeedButton1Click(); });
    connect(m_speedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });

    setFixedHeight(kShapeTop + kShapeHeight + 5);
    move(1, 1);
    if (owner)
        owner->show();
    FormShow();
}

void TSeachForm::FormShow()
{
    SpeedButton2Click();
    m_comboBox1->setCurrentIndex(0);
}

void TSeachForm::SpeedButton2Click()
{
    if (m_collapsed) {
        m_speedButton2->setText(QStringLiteral("高级<<"));
        setFixedHeight(kShapeTop + kShapeHeight + 5);
    } else {
        m_speedButton2->setText(QStringLiteral("高级>>"));
        setFixedHeight(kShapeTop);
    }
    m_collapsed = !m_collapsed;
    ResizeOwner();
}

void TSeachForm::ResizeOwner()
{
    QWidget* panel = parentWidget();
    if (!panel)
        return;
    panel->setFixedSize(width() + 1, height() + 1);
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
