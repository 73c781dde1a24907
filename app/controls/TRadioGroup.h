#pragma once
#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A framed group of radio buttons with one chosen item, addressed by its index as the program's
// settings store it. The items are laid out in columns (1 = one below the other).
class TRadioGroup : public QGroupBox
{
public:
    TRadioGroup(const QString& caption, const QStringList& items, int columns = 1, QWidget* parent = nullptr);

    // The chosen item, -1 when none is chosen.
    int ItemIndex() const;
    // Chooses the item; an index outside the items chooses none.
    void SetItemIndex(int index);
    QRadioButton* Button(int index) const { return m_buttons.value(index); }
    int Count() const { return static_cast<int>(m_buttons.size()); }

private:
    QButtonGroup* m_group;
    QList<QRadioButton*> m_buttons;
};
