#pragma once
#include <QIcon>
#include <QList>
#include <QTreeWidget>
#include <functional>

// A tree whose items carry a tri-state check box shown as the item's picture. The check state is
// the item's image index (CTreeWidgetImages), the selected index always equal to it: 0 unchecked,
// 1 checked, 2 partly checked (some children checked), 3 and above not checkable (the item shows
// another picture and takes no part in checking). Positions 0 to 2 of Images hold the check-box
// pictures; the control starts with DefaultCheckImages.
//
// A left click on an item's picture toggles it (a partly checked item becomes unchecked); a click
// on the label only selects. ApplyToChild hands the new state to the descendants, ApplyToParent
// recomputes the ancestors. OnNodeSatueChange fires for every item whose state this control
// changes; OnManualStatueChanged once after a click and its propagation.
class TCheckTreeView : public QTreeWidget
{
public:
    using NodeEvent = std::function<void(QTreeWidgetItem* node)>;

    explicit TCheckTreeView(QWidget* owner = nullptr);

    // Unchecked, checked and partly checked boxes drawn by the style.
    static QList<QIcon> DefaultCheckImages();
    const QList<QIcon>& Images() const { return m_images; }
    void SetImages(const QList<QIcon>& images);

    // A new item under the parent (top level for null) with the text and state.
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& text, int imageIndex);
    static int State(const QTreeWidgetItem* item);
    // Sets image and selected index without firing any event.
    void SetState(QTreeWidgetItem* item, int state);

    // flag true makes the item and its whole subtree unchecked, false checked; then the ancestors
    // are recomputed. Propagates both ways whatever ApplyToParent and ApplyToChild say.
    void SetCheck(QTreeWidgetItem* item, bool flag);
    // Gives the state to the item and every descendant, non-checkable ones included.
    void SetChildNodeStatue(QTreeWidgetItem* item, int state);
    // Gives the state to the item, then recomputes each ancestor from its children's states up to
    // the root or the first ancestor that is not checkable.
    void SetParentNodeStatue(QTreeWidgetItem* item, int state);

    // Where the item's picture lies in viewport coordinates; empty when it shows none.
    QRect PictureRect(QTreeWidgetItem* item) const;

    bool ApplyToParent = false;
    bool ApplyToChild = false;
    NodeEvent OnNodeSatueChange;
    NodeEvent OnManualStatueChanged;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Sets both indexes and fires OnNodeSatueChange when the state differs.
    void ChangeState(QTreeWidgetItem* item, int state);
    void FireNodeChange(QTreeWidgetItem* item);

    QList<QIcon> m_images;
};
