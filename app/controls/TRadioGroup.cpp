#include "app/controls/TRadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    auto* layout = new QGridLayout(this);
    const int perColumn = (static_cast<int>(items.size()) + qMax(1, columns) - 1) / qMax(1, columns);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        m_group->addButton(button, i);
        m_buttons << button;
        layout->addWidget(button, i % qMax(1, perColumn), i / qMax(1, perColumn));
    }
}

int TRadioGroup::ItemIndex() const
{
    return m_group->checkedId();
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index >= 0 && index < Count()) {
        m_buttons.at(index)->setChecked(true);
        return;
    }
    // A button group that allows no empty choice would keep its button checked.
    m_group->setExclusive(false);
    for (QRadioButton* button : m_buttons)
        button->setChecked(false);
    m_group->setExclusive(true);
}
