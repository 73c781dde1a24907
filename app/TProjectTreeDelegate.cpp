#include "app/TProjectTreeDelegate.h"

void TProjectTreeDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(IdleRole).toBool())
        return;
    // Half way between the selection's text and its background reads as grey on either.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = option->palette.color(group, QPalette::HighlightedText);
        const QColor back = option->palette.color(group, QPalette::Highlight);
        option->palette.setColor(group, QPalette::HighlightedText,
                                 QColor((text.red() + back.red()) / 2, (text.green() + back.green()) / 2,
                                        (text.blue() + back.blue()) / 2));
    }
}
