#pragma once
#include "calc/CMsgOutputFormBase.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window of long commands ("负荷计算" until the command gives its caption): the main
// line, the step line, the gauge, the remaining-time line and the stop button "终止", which sets
// the stop flag of the current CCalMsgOutput. While it is shown, input to the program's other
// windows is blocked, so that letting input through during a run reaches only the stop button.
class TMsgOutputForm : public QWidget, public CMsgOutputFormBase
{
public:
    explicit TMsgOutputForm(QWidget* owner);

    // Makes every CCalMsgOutput show this window; the owner handed to it must be a widget or null.
    static void Install();

    void SetCaption(const QString& caption) override;
    void SetMainLine(const QString& text) override;
    void SetStepLine(const QString& text) override;
    void SetRemainingLine(const QString& text) override;
    void SetGaugeVisible(bool visible) override;
    void SetGauge(int position, int maximum) override;
    void SetCancelEnabled(bool enabled) override;
    void ShowWindow() override;
    void CloseWindow() override;
    void SetOwnerEnabled(bool enabled) override;
    void BringOwnerToFront() override;
    void Repaint() override;
    void ProcessEvents() override;

    QLabel* Label1;
    QLabel* Label2;
    QProgressBar* ProgressBar1;
    QLabel* Label3;
    QPushButton* Button1;

private:
    void Button1Click();

    QPointer<QWidget> m_owner;
};
