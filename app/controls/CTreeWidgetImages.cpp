#include "app/controls/CTreeWidgetImages.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
constexpr int kImageRole = Qt::UserRole + 20;
constexpr int kSelectedRole = Qt::UserRole + 21;

void ShowPicture(QTreeWidgetItem* item, const QList<QIcon>& images)
{
    const int index = CTreeWidgetImages::ImageIndex(item);
    item->setIcon(0, index >= 0 && index < images.size() ? images[index] : QIcon());
}
} // namespace

int CTreeWidgetImages::ImageIndex(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kImageRole).toInt() : 0;
}

int CTreeWidgetImages::SelectedIndex(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kSelectedRole).toInt() : 0;
}

void CTreeWidgetImages::SetIndexes(QTreeWidgetItem* item, int imageIndex, int selectedIndex,
                                   const QList<QIcon>& images)
{
    item->setData(0, kImageRole, imageIndex);
    item->setData(0, kSelectedRole, selectedIndex);
    ShowPicture(item, images);
}

void CTreeWidgetImages::Refresh(QTreeWidget* tree, const QList<QIcon>& images)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        ShowPicture(*it, images);
}
