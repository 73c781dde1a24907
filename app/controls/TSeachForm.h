#pragma once
#include <QWidget>

class CNodeTreeView;
class CTreeItem;
class TBMPButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;

// The search panel under the project tree: finds the items of the tree view whose caption holds a
// text, filtered by element type and status, and either selects the first hit or lists every hit
// in message category 2 (a click on a line selects its node). It lives inside its owner, the host
// panel; when that panel sits in a scroll area, the panel and the area follow the form's height.
class TSeachForm : public QWidget
{
    Q_OBJECT
public:
    TSeachForm(CNodeTreeView* view, QWidget* owner);

    // "查找": runs the search with the panel's choices.
    void SpeedButton1Click();
    // "高级>>" / "高级<<": shows or hides the advanced area.
    void SpeedButton2Click();
    // Collapses the advanced area and selects "所有"; runs once when the panel is created.
    void FormShow();

    // The element kinds of ComboBox1: "所有", then the names of types 1..30.
    static QStringList KindItems();

    QString Pattern() const { return m_pattern; }
    int HitCount() const { return m_hitCount; }
    bool Collapsed() const { return m_collapsed; }

private:
    void ResizeOwner();

    CNodeTreeView* m_view;
    QLabel* m_label2 = nullptr;
    QLineEdit* m_edit1 = nullptr;
    TBMPButton* m_bmpButton1 = nullptr;
    QToolButton* m_speedButton2 = nullptr;
    QLabel* m_label3 = nullptr;
    QFrame* m_shape1 = nullptr;
    QComboBox* m_comboBox1 = nullptr;
    QCheckBox* m_checkBox1 = nullptr;
    QButtonGroup* m_radioGroup1 = nullptr;
    QButtonGroup* m_radioGroup2 = nullptr;
    QString m_pattern;
    bool m_collapsed = false;
    int m_hitCount = 0;
};
