#pragma once
#include <QWidget>

class CTreeItem;
class QLabel;

// The page the parameter area shows for a selected node until the element's own property page
// exists: the node's path and its element type.
class TNodeInfoPage : public QWidget
{
    Q_OBJECT
public:
    explicit TNodeInfoPage(QWidget* parent = nullptr);

    // Shows the item's path and type; nothing for null.
    void LoadData(const CTreeItem* item);
    QString PathText() const;
    QString TypeText() const;

private:
    QLabel* m_path;
    QLabel* m_type;
};
