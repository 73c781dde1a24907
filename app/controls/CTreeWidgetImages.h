#pragma once
#include <QIcon>
#include <QList>

class QTreeWidget;
class QTreeWidgetItem;

// Image and selected-image indexes of the items of the program's own tree widgets. An index is
// kept on the item; the item shows the picture at that position of the tree's image list, or no
// picture when the list has none there.
class CTreeWidgetImages
{
public:
    static int ImageIndex(const QTreeWidgetItem* item);
    static int SelectedIndex(const QTreeWidgetItem* item);
    static void SetIndexes(QTreeWidgetItem* item, int imageIndex, int selectedIndex,
                           const QList<QIcon>& images);
    // Shows every item of the tree with the picture of its index in the list.
    static void Refresh(QTreeWidget* tree, const QList<QIcon>& images);
};
