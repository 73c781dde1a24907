#pragma once
#include <QString>

// The progress window of a long command as the calculation drives it: a main line, a step line,
// a remaining-time line, a gauge and the stop button "终止". The program's window implements it;
// its stop button sets the stop flag of the current CCalMsgOutput. Tests install a fake.
class CMsgOutputFormBase
{
public:
    virtual ~CMsgOutputFormBase() = default;

    virtual void SetCaption(const QString& caption) = 0;
    virtual void SetMainLine(const QString& text) = 0;
    virtual void SetStepLine(const QString& text) = 0;
    virtual void SetRemainingLine(const QString& text) = 0;
    virtual void SetGaugeVisible(bool visible) = 0;
    virtual void SetGauge(int position, int maximum) = 0;
    virtual void SetCancelEnabled(bool enabled) = 0;

    // Shows the window without waiting for it, and closes it.
    virtual void ShowWindow() = 0;
    virtual void CloseWindow() = 0;
    // The window that started the command: disabled while a plain command runs.
    virtual void SetOwnerEnabled(bool enabled) = 0;
    virtual void BringOwnerToFront() = 0;

    // Redraws the window at once.
    virtual void Repaint() = 0;
    // Redraws the window and lets pending input through, so that the stop button can be pressed
    // while the command runs on the same thread.
    virtual void ProcessEvents() = 0;
};
