#include "app/TNodeInfoPage.h"

#include "model/CTreeItem.h"
#include "model/NameTables.h"
#include "project/CSystemGlobalData.h"

#include <QFormLayout>
#include <QLabel>

TNodeInfoPage::TNodeInfoPage(QWidget* parent)
    : QWidget(parent), m_path(new QLabel(this)), m_type(new QLabel(this))
{
    setObjectName(QStringLiteral("NodeInfoPage"));
    auto* layout = new QFormLayout(this);
    m_path->setObjectName(QStringLiteral("NodePath"));
    m_type->setObjectName(QStringLiteral("NodeType"));
    m_path->setWordWrap(true);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addRow(QStringLiteral("位置:"), m_path);
    layout->addRow(QStringLiteral("类型:"), m_type);
}

void TNodeInfoPage::LoadData(const CTreeItem* item)
{
    if (!item)
        return;
    const QString path = CSystemGlobalData::GetTreePath(item);
    m_path->setText(path.isEmpty() ? item->Text() : path);
    m_type->setText(ElementTypeName(item->Type()));
}

QString TNodeInfoPage::PathText() const
{
    return m_path->text();
}

QString TNodeInfoPage::TypeText() const
{
    return m_type->text();
}
