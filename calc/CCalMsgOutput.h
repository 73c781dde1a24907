#pragma once
#include "platform/core/CCurrent.h"

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <memory>

class CMsgOutputFormBase;
class QObject;

// The progress reporter of one long command: it owns the progress window for the command's
// duration, is the current reporter while it lives, and carries the stop flag that the calculation
// reads after every room. The stop flag, once set by the stop button or by a failing room, stays
// set. The window comes from the installed form factory; without one the reporter shows nothing
// and only keeps the flag. Failures of the window layer are logged and never end the command.
class CCalMsgOutput : public CCurrent<CCalMsgOutput>
{
public:
    static constexpr const char* SlotName = "CCalMsgOutput";
    // Makes the window for the owner (the window that started the command; may be null).
    using FormFactory = std::function<std::unique_ptr<CMsgOutputFormBase>(QObject* owner)>;

    // Disables the owner, shows the window with the caption and lets pending input through once.
    CCalMsgOutput(const QString& caption, QObject* owner);
    // Shows the window with the caption and runs the work while it is shown; the owner stays
    // enabled. An exception of the work passes to the caller.
    CCalMsgOutput(const QString& caption, QObject* owner, const std::function<void()>& work);
    // Closes the window (work mode) or enables the owner again and brings it to the front.
    ~CCalMsgOutput();

    static void SetFormFactory(FormFactory factory);
    // The current reporter, or null.
    static CCalMsgOutput* GetCurrent() { return Exists() ? &Current() : nullptr; }
    // The stop flag of the current reporter; false without one.
    static bool IsCurrentStopped();

    // Main line := text; the two lower lines are emptied and the gauge hidden.
    void SetCalcMessage(const QString& text);
    // One step of the gauge; a non-empty text becomes the step line. The first step shows the
    // gauge and starts the estimate, later steps show the remaining time, the step that reaches
    // the maximum hides the gauge again. Pending input is let through, so that "终止" works.
    void StepProgress(const QString& text);
    void DisableCancel();
    // Gauge maximum := count, position := 0.
    void SetProgressMax(int count);

    bool IsStopped() const { return m_stopFlag != 0; }
    void Stop() { m_stopFlag = 1; }
    int Position() const { return m_position; }
    int Maximum() const { return m_maximum; }

    // The remaining-time line at the position (the step about to run) after elapsedMs since the
    // first step: (maximum - position + 1) x elapsed / (position - 1) / 1000 seconds, truncated;
    // "大约还剩%d秒", "大约还剩%d分%d秒" from a minute, "大约还剩%d小时%d分" from an hour.
    static QString RemainingTimeText(int maximum, int position, qint64 elapsedMs);

private:
    void CreateForm(const QString& caption, QObject* owner);
    // Runs an operation on the window, if there is one, logging what the window layer raises.
    template <typename Operation> void OnForm(Operation operation);

    std::unique_ptr<CMsgOutputFormBase> m_form;
    QObject* m_owner = nullptr; // not owned
    bool m_workMode = false;
    QElapsedTimer m_clock;
    qint64 m_startTime = 0;
    int m_position = 0;
    int m_maximum = 0;
    unsigned char m_stopFlag = 0;
};
