#pragma once
#include <QFrame>
#include <QPoint>
#include <QPointer>
#include <functional>

class CTreeItem;
class QLabel;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The hover hint of the project tree: a small always-on-top window to the right of the item under
// the mouse with the item's type name, caption and status. It replaces the tree's standard tooltip,
// hides itself at the third tick of a 600 ms timer (about 1.8 s), and stays while the mouse rests
// on it.
class TCustomHint : public QFrame
{
    Q_OBJECT
public:
    // Maps a widget item of the watched tree to the tree item it shows.
    using ItemOf = std::function<CTreeItem*(QTreeWidgetItem*)>;

    // The owner only bounds the lifetime: the hint is a window of its own.
    explicit TCustomHint(QWidget* owner = nullptr);

    // Watches the tree's tooltip requests from now on.
    void Attach(QTreeWidget* tree, ItemOf itemOf);
    // The hint for the viewport position: shown beside the item there, hidden elsewhere.
    void ShowTreeHint(QTreeWidget* tree, const QPoint& viewportPos);
    // Shows the window at the screen position (nothing when the cursor has not moved since the
    // last showing) or hides it.
    void ShowHintAt(bool visible, int x, int y);
    void Timer1Timer();

    int TickCount() const { return m_tickCount; }
    QString Title() const;
    QString NameLine() const;
    QString StatusLine() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QTreeWidget* m_tree = nullptr;
    QPointer<QObject> m_viewport;
    ItemOf m_itemOf;
    QLabel* m_label1 = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QTimer* m_timer1 = nullptr;
    QPoint m_lastCursor{-1, -1};
    int m_tickCount = 0;
};
