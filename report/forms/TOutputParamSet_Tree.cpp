// The output options dialog: the option tree, its check states, the per-level drop-down and the
// landscape setting of the selected section.
#include "report/forms/TOutputParamSet.h"

#include "app/controls/TCheckPopupTree.h"
#include "app/controls/TCheckTreeView.h"
#include "calc/ResultByType.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "plugin/CPlug.h"
#include "plugin/CPlugManage.h"
#include "plugin/CPlugReportItem.h"
#include "project/CSystemGlobalData.h"
#include "report/COutputParams.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidgetItemIterator>
#include <QUrl>

namespace {
constexpr int kOptionIdRole = Qt::UserRole + 40;
constexpr int kCommentsRole = Qt::UserRole + 41;
constexpr int kButtonColumn = 1;
// Sections 0 to 3 are the four output columns of the drop-down tree.
constexpr int kColumnSections = 4;
constexpr int kDetailSection = 1;
} // namespace

void TOutputParamSet::BuildOptionTree()
{
    m_filling = true;
    // The tree deletes the arrows with the items that hold them.
    ArrowButtons.fill(nullptr);
    CheckTreeView1->clear();
    if (COutputParams::Exists())
        for (COutputParam* option : COutputParams::Current().Root().Children)
            AddOptionItems(*option, nullptr);
    AddPlugInItems();
    // One arrow per output column, beside the first item of its section.
    for (int k = 0; k < kColumnSections; ++k)
        for (QTreeWidgetItemIterator it(CheckTreeView1); *it; ++it)
            if (SectionOfCaption((*it)->text(0)) == k) {
                auto* arrow = new QToolButton;
                arrow->setArrowType(Qt::DownArrow);
                arrow->setFixedSize(18, 18);
                arrow->setToolTip(QStringLiteral("选择输出的建筑、楼层和房间"));
                connect(arrow, &QToolButton::clicked, this, [this, k] { MyClick(k); });
                CheckTreeView1->setItemWidget(*it, kButtonColumn, arrow);
                ArrowButtons[static_cast<size_t>(k)] = arrow;
                break;
            }
    m_filling = false;
}

void TOutputParamSet::AddOptionItems(COutputParam& option, QTreeWidgetItem* parent)
{
    const int flag = option.Flag(CurrentDesignType());
    if (flag < 0)
        return;
    QTreeWidgetItem* item = CheckTreeView1->AddItem(parent, option.OutputOptionName, flag);
    item->setData(0, kOptionIdRole, option.ID);
    item->setData(0, kCommentsRole, option.Comments);
    for (COutputParam* child : option.Children)
        AddOptionItems(*child, item);
}

void TOutputParamSet::AddPlugInItems()
{
    PlugNodes.clear();
    m_plugIns.clear();
    if (!CPlugManage::Exists() || !CSystemGlobalData::Exists())
        return;
    m_plugIns = CPlugReportItem::ForDesignType(CPlugManage::Current(), CSystemGlobalData::Current().DesignType);
    for (const auto& plugIn : m_plugIns) {
        QTreeWidgetItem* item = CheckTreeView1->AddItem(nullptr, plugIn->ItemName(), plugIn->Plug().Output ? 1 : 0);
        PlugNodes.push_back(item);
        if (!plugIn->Plug().PlugHasConfig())
            continue;
        auto* config = new QPushButton(QStringLiteral("..."));
        const int side = config->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 6;
        config->setFixedSize(side, side);
        config->setToolTip(QStringLiteral("插件设置"));
        CPlug* plug = &plugIn->Plug();
        connect(config, &QPushButton::clicked, this, [plug] { plug->PlugRunConfig(); });
        CheckTreeView1->setItemWidget(item, kButtonColumn, config);
    }
}

std::vector<COutputPlugInBase*> TOutputParamSet::PlugIns()
{
    std::vector<COutputPlugInBase*> items;
    for (size_t i = 0; i < m_plugIns.size() && i < PlugNodes.size(); ++i) {
        m_plugIns[i]->SetTicked(TCheckTreeView::State(PlugNodes[i]) == 1);
        items.push_back(m_plugIns[i].get());
    }
    return items;
}

void TOutputParamSet::SaveOutputConfig()
{
    if (!CPlugManage::Exists() || !CSystemGlobalData::Exists() || !CSystemGlobalData::Current().IsProjectOpen())
        return;
    for (COutputPlugInBase* plugIn : PlugIns())
        plugIn->SetOutputFlag(plugIn->IsTicked());
    CPlugManage::Current().SaveOutputConfig(CSystemGlobalData::Current().ProjectFolder());
}

QTreeWidgetItem* TOutputParamSet::OptionItem(int id) const
{
    for (QTreeWidgetItemIterator it(CheckTreeView1); *it; ++it)
        if ((*it)->data(0, kOptionIdRole).toInt() == id)
            return *it;
    return nullptr;
}

int TOutputParamSet::SelectedSection() const
{
    const QTreeWidgetItem* item = CheckTreeView1->currentItem();
    return item ? SectionOfCaption(item->text(0)) : -1;
}

void TOutputParamSet::CheckTreeView1Change()
{
    PageControl1->hide();
    Panel3->hide();
    const int section = SelectedSection();
    if (section < 0)
        return;
    QWidget* pages[] = {TabSheet2, nullptr, TabSheet3, TabSheet4};
    if (section < kColumnSections && pages[section]) {
        PageControl1->setCurrentWidget(pages[section]);
        PageControl1->show();
    }
    if (section == kDetailSection)
        return;
    Panel3->show();
    const QString key = QString::fromUtf8(SectionKeys()[static_cast<size_t>(section)]);
    const int landscape = LandscapeRegistry.ReadRegistryInt(key);
    if (landscape == -1) {
        CheckBox4->setChecked(false);
        LandscapeRegistry.WriteRegistryValue(key, QStringLiteral("0"));
    } else {
        CheckBox4->setChecked(landscape == 1);
    }
}

void TOutputParamSet::CheckTreeView1NodeSatueChange(QTreeWidgetItem* item)
{
    if (m_filling || !COutputParams::Exists())
        return;
    const QVariant id = item->data(0, kOptionIdRole);
    if (!id.isValid())
        return;
    COutputParams& options = COutputParams::Current();
    options.Modified = true;
    if (COutputParam* option = options.FindOutputParam(id.toInt()))
        options.SetOutputFlag(*option, CurrentDesignType(), TCheckTreeView::State(item));
}

void TOutputParamSet::MyClick(int column)
{
    QToolButton* arrow = ArrowButtons[static_cast<size_t>(column)];
    if (!arrow)
        return;
    for (QTreeWidgetItemIterator it(CheckTreeView1); *it; ++it)
        if (CheckTreeView1->itemWidget(*it, kButtonColumn) == arrow)
            CheckTreeView1->setCurrentItem(*it);
    if (!PopupTree || PopupTree->isVisible())
        return;
    PopupTree->SetOutputColumn(column);
    PopupTree->UpdateNodeImageIndex();
    const QRect text = CheckTreeView1->visualItemRect(CheckTreeView1->currentItem());
    const QPoint corner = CheckTreeView1->viewport()->mapToGlobal(QPoint(text.left(), arrow->geometry().bottom()));
    const int top = arrow->mapTo(CheckTreeView1, QPoint(0, 0)).y();
    PopupTree->setGeometry(corner.x(), corner.y(), qMax(200, CheckTreeView1->width() - text.left()),
                           qMax(160, CheckTreeView1->height() - top));
    if (PopupTree->topLevelItemCount() > 0)
        PopupTree->setCurrentItem(PopupTree->topLevelItem(0));
    PopupTree->show();
}

void TOutputParamSet::CheckBox2Click()
{
    if (!CheckBox2->isChecked())
        return;
    for (int i = 0; i < CheckTreeView1->topLevelItemCount(); ++i)
        CheckTreeView1->SetCheck(CheckTreeView1->topLevelItem(i), false);
    CheckBox3->setChecked(false);
    CheckTreeView1->viewport()->update();
}

void TOutputParamSet::CheckBox3Click()
{
    if (!CheckBox3->isChecked())
        return;
    for (int i = 0; i < CheckTreeView1->topLevelItemCount(); ++i)
        CheckTreeView1->SetCheck(CheckTreeView1->topLevelItem(i), true);
    CheckBox2->setChecked(false);
    CheckTreeView1->viewport()->update();
}

void TOutputParamSet::CheckBox4Click()
{
    const int section = SelectedSection();
    if (section < 0)
        return;
    LandscapeRegistry.WriteRegistryValue(QString::fromUtf8(SectionKeys()[static_cast<size_t>(section)]),
                                         CheckBox4->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void TOutputParamSet::BMPButton1Click()
{
    const QString value = CheckBox4->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    for (const char* key : SectionKeys())
        LandscapeRegistry.WriteRegistryValue(QString::fromUtf8(key), value);
}

void TOutputParamSet::img2Click()
{
    const QString help = CProgramFolder::Resolve(QStringLiteral("Lib/savepage.help.pdf"));
    if (!QFileInfo::exists(help)) {
        CTool::Current().ShowMessageBox(QStringLiteral("提示"), QStringLiteral("找不到帮助文件%1").arg(help), 6, 2);
        return;
    }
    OpenWithShell(help);
}
