#pragma once
#include <QDialog>

class QComboBox;
class QPushButton;

// The load-kind choice "负荷类型选择" of the condition analysis. On mrOk, ComboBox1's index is
// the kind: 0 total heat ("全热"), 1 sensible heat ("显热"), 2 latent heat ("潜热").
class TLoadTypeChooseForm : public QDialog
{
    Q_OBJECT
public:
    explicit TLoadTypeChooseForm(QWidget* owner = nullptr);

    void reject() override;

    QComboBox* ComboBox1;
    QPushButton* Button1;
    QPushButton* Button2;
};
