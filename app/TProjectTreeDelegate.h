#pragma once
#include <QStyledItemDelegate>

// Draws the items of the project tree. An idle item's text stays grey while it is selected, so
// that idling the selected node shows at once and not only after the selection moves on.
class TProjectTreeDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // The item data (bool) that marks an idle element.
    static constexpr int IdleRole = Qt::UserRole + 2;

    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
