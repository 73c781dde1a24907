#pragma once
#include <QDialog>

class CNodeData;
class QButtonGroup;
class QGroupBox;
class QPushButton;
class QTreeWidget;

// The dialog "房间镜像": the target room takes the values and the whole content of a source room
// chosen in the tree (every room of the project but the target), and the orientation of its outside
// walls, glass curtain walls, roofs and glass roofs is mirrored through a point ("点镜像"), about the
// east-west axis ("南北镜像") or about the north-south axis ("东西镜像").
class TMirrorForm : public QDialog
{
    Q_OBJECT
public:
    explicit TMirrorForm(QWidget* owner = nullptr);

    // The room that becomes the mirrored copy; set before the dialog is shown.
    void SetTarget(CNodeData* target) { m_target = target; }
    CNodeData* Target() const { return m_target; }
    // The mirror mode: the index of the radio group, 0 point, 1 north-south, 2 east-west.
    int Mode() const;
    void SetMode(int mode);

    // The target takes the source's values (keeping its name and ID) and copies of the source's
    // children in place of its own; then every outside wall, curtain wall, roof and glass roof below
    // it is turned by MirrorDirection. One edit: false, and the project as it was, when a step fails.
    static bool MirrorCopy(int mode, CNodeData& source, CNodeData& target);
    // The mirrored orientation of an element of the type. The full angle, the orientation code
    // (1 south ... 8 south-east, clockwise in steps of 45 degrees) plus the deviation Direction_Angle
    // (degrees, clockwise), is mirrored and split again into a code and a deviation of 0 to 45.
    // Outside walls and curtain walls (9, 12) with codes 1 to 8 and roofs and glass roofs (17, 20)
    // with codes 1 to 8 turn; false, and nothing changed, for other types and codes (a horizontal
    // roof, code 0, stays).
    static bool MirrorDirection(int mode, int type, int& direction, double& angle);

    void FormShow();
    // Mirrors into the target from the selected room and closes with mrOk; a selection that is no
    // room says "请选择镜像的房间源!" and the dialog stays open, as it does when the mirror fails.
    void MirrorOKClick();

    QTreeWidget* MirrorTreeView;
    QGroupBox* RadioGroup1;
    QPushButton* MirrorOK;
    QPushButton* MirrorCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QButtonGroup* m_modes;
    CNodeData* m_target = nullptr;
};
