#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The small dialog "请输入..." asking for a template name. There is no cancel button: closing
// the window cancels. Only an exactly empty name is refused.
class TNewModuleForm : public QDialog
{
    Q_OBJECT
public:
    explicit TNewModuleForm(QWidget* owner = nullptr);

    void Button1Click();
    void reject() override;

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* Button1;
};
