#pragma once
#include <QDialog>

class CSysOutputDispatchBase;
class QPushButton;
class QTextEdit;

// The detail window of a message line whose action has a detail: the action's caption and
// detail text, "关闭", and the action button, which closes the window and then runs the action.
class TDispatchSysOutputInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TDispatchSysOutputInfo(QWidget* owner = nullptr);

    // The action shown; not owned, it must outlive the window.
    void SetAction(CSysOutputDispatchBase* action) { m_action = action; }

    void FormShow();
    void Button2Click();

    QTextEdit* RichEdit1;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CSysOutputDispatchBase* m_action = nullptr;
};
