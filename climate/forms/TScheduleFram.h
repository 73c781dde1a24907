#pragma once
#include <QString>
#include <QWidget>

class CElementBase;
class CNodeData;
class QComboBox;
class QLabel;
class TBMPButton;

// The schedule field of a property page: the label "时间表:", a drop-down list of schedule names and
// a "..." button that opens the schedule manager on the field's schedule and, when the user
// confirms a schedule there, gives it to the element.
//
// The page tells the frame its element and the column the frame stands for (a page may hold
// several frames, one per column naming a schedule), fills the list and reads it back. The button
// asks the page to store its controls first (CommitPage) and to show the element again afterwards
// (ReloadPage, also when nothing was chosen); a page that rebuilds itself, and this frame with it,
// must connect ReloadPage queued.
class TScheduleFram : public QWidget
{
    Q_OBJECT
public:
    explicit TScheduleFram(QWidget* parent = nullptr);

    // The element whose column the frame shows. An element of a project tree node is found again
    // through its node once the manager has closed: renaming a schedule there releases the loaded
    // element objects.
    void SetElement(CElementBase* element, const QString& column = QStringLiteral("ScheduleName"));
    const QString& Column() const { return m_column; }
    // The element now: loaded again from its node when it has one; null when none was set.
    CElementBase* Element() const;

    // Lists the schedule names of the database the schedules are edited in and shows the element's
    // schedule (kept in the list when no schedule bears it any longer).
    void LoadNames();

    // "...": writes the element into its row, opens the schedule manager on the listed schedule
    // and, when it is closed with "确定" or "关闭" on a schedule, writes that name into the column of
    // the element and its row. The close box changes nothing.
    void FlatButton1Click();

    QLabel* Label1;
    QComboBox* Edit_ScheduleName;
    TBMPButton* FlatButton1;

signals:
    void CommitPage();
    void ReloadPage();

private:
    CElementBase* m_element = nullptr; // only for an element without a node
    CNodeData* m_node = nullptr;
    QString m_column = QStringLiteral("ScheduleName");
};
