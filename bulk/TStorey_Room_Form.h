#pragma once
#include <QDialog>
#include <array>

class CNodeData;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TBMPButton;

// The dialog "批量设置楼层" / "批量设置房间": storeys in series under a building (kind "Storey") or
// rooms in series under a storey (any other kind), every new room with the ticked common elements
// (CStoreyRoomSeries). Counts are read as their leading digits; text without any counts 0.
// "确定" refuses counts that make nothing with a message and stays open; otherwise it makes
// everything or, when a step fails, nothing, and closes with mrOk only after a complete run.
class TStorey_Room_Form : public QDialog
{
    Q_OBJECT
public:
    static constexpr int TypeCount = 30;

    TStorey_Room_Form(QWidget* owner, CNodeData* node, const QString& kind);

    // 2 when the dialog makes storeys, 3 when it makes rooms.
    int Mode() const { return m_mode; }
    // The common-element box of the element type and its count edit; null where the type has none.
    QCheckBox* CommonBox(int type) const;
    QLineEdit* CountEdit(int type) const;
    // The leading decimal digits of the text (blanks around it ignored, nine digits at most); 0 when
    // it starts with none (a sign included).
    static int ReadCount(const QString& text);

    void FormShow();
    // Any common-element box changed: each count edit is enabled exactly while its box is ticked.
    void CheckBox1Click();
    void eCheckBox21Click();
    void BMPButton3Click();
    void BMPButton1Click();

    QGroupBox* GroupBox1;
    QComboBox* Storey_Prefix;
    QLineEdit* Storey_Count;
    QLineEdit* Low_Count;
    QGroupBox* GroupBox2;
    QComboBox* Room_Prefix;
    QLabel* Label11;
    QLineEdit* Room_Count;
    QGroupBox* GroupBox3;
    QCheckBox* eCheckBox21;
    QCheckBox* isClearCheckBox;
    TBMPButton* BMPButton3;
    TBMPButton* BMPButton2;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildCommonElements();
    // Runs the series; false (nothing made) when a step failed.
    bool Create(int below, int above, int rooms);

    int m_mode;
    CNodeData* m_node;
    std::array<QCheckBox*, TypeCount> m_boxes{};
    std::array<QLineEdit*, TypeCount> m_counts{};
};
