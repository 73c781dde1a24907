#include "calc/CCalMsgOutput.h"

#include "calc/CMsgOutputFormBase.h"

#include <QDebug>
#include <algorithm>
#include <exception>

namespace {
CCalMsgOutput::FormFactory& Factory()
{
    static CCalMsgOutput::FormFactory factory;
    return factory;
}
} // namespace

template <typename Operation> void CCalMsgOutput::OnForm(Operation operation)
{
    if (!m_form)
        return;
    try {
        operation(*m_form);
    } catch (const std::exception& error) {
        // Progress output must never end a calculation; the failure is only logged.
        qWarning() << "progress window:" << error.what();
    }
}

CCalMsgOutput::CCalMsgOutput(const QString& caption, QObject* owner) : m_owner(owner)
{
    m_clock.start();
    CreateForm(caption, owner);
    OnForm([](CMsgOutputFormBase& form) {
        form.SetOwnerEnabled(false);
        form.ShowWindow();
        form.ProcessEvents();
    });
}

CCalMsgOutput::CCalMsgOutput(const QString& caption, QObject* owner, const std::function<void()>& work)
    : m_owner(owner), m_workMode(true)
{
    m_clock.start();
    CreateForm(caption, owner);
    OnForm([](CMsgOutputFormBase& form) {
        form.ShowWindow();
        form.Repaint();
    });
    if (work)
        work();
}

CCalMsgOutput::~CCalMsgOutput()
{
    OnForm([this](CMsgOutputFormBase& form) {
        if (m_workMode) {
            form.CloseWindow();
        } else {
            form.SetOwnerEnabled(true);
            form.BringOwnerToFront();
        }
    });
}

void CCalMsgOutput::CreateForm(const QString& caption, QObject* owner)
{
    if (!Factory())
        return;
    try {
        m_form = Factory()(owner);
    } catch (const std::exception& error) {
        qWarning() << "progress window:" << error.what();
    }
    OnForm([&caption](CMsgOutputFormBase& form) { form.SetCaption(caption); });
}

void CCalMsgOutput::SetFormFactory(FormFactory factory)
{
    Factory() = std::move(factory);
}

bool CCalMsgOutput::IsCurrentStopped()
{
    const CCalMsgOutput* current = GetCurrent();
    return current && current->IsStopped();
}

void CCalMsgOutput::SetCalcMessage(const QString& text)
{
    OnForm([&text](CMsgOutputFormBase& form) {
        form.SetMainLine(text);
        form.SetStepLine(QString());
        form.SetRemainingLine(QString());
        form.SetGaugeVisible(false);
        form.Repaint();
    });
}

void CCalMsgOutput::StepProgress(const QString& text)
{
    ++m_position;
    QString remaining;
    bool gaugeVisible = true;
    if (m_position == m_maximum) {
        gaugeVisible = false;
    } else if (m_position == 1) {
        m_startTime = m_clock.elapsed();
    } else {
        remaining = RemainingTimeText(m_maximum, m_position, m_clock.elapsed() - m_startTime);
    }
    OnForm([&](CMsgOutputFormBase& form) {
        if (!text.isEmpty())
            form.SetStepLine(text);
        form.SetGauge(m_position, m_maximum);
        if (!gaugeVisible) {
            form.SetGaugeVisible(false);
            form.SetStepLine(QString());
            form.SetRemainingLine(QString());
        } else if (m_position == 1) {
            form.SetGaugeVisible(true);
        } else {
            form.SetRemainingLine(remaining);
        }
        form.ProcessEvents();
    });
}

void CCalMsgOutput::DisableCancel()
{
    OnForm([](CMsgOutputFormBase& form) {
        form.SetCancelEnabled(false);
        form.Repaint();
    });
}

void CCalMsgOutput::SetProgressMax(int count)
{
    m_maximum = count;
    m_position = 0;
    OnForm([count](CMsgOutputFormBase& form) { form.SetGauge(0, count); });
}

QString CCalMsgOutput::RemainingTimeText(int maximum, int position, qint64 elapsedMs)
{
    if (position < 2)
        return QString();
    // Steps beyond the maximum leave nothing to wait for, not a negative time.
    const qint64 left = std::max<qint64>(0, static_cast<qint64>(maximum) - position + 1);
    const qint64 seconds = left * std::max<qint64>(0, elapsedMs) / (position - 1) / 1000;
    if (seconds < 60)
        return QStringLiteral("大约还剩%1秒").arg(seconds);
    if (seconds < 3600)
        return QStringLiteral("大约还剩%1分%2秒").arg(seconds / 60).arg(seconds % 60);
    return QStringLiteral("大约还剩%1小时%2分").arg(seconds / 3600).arg(seconds % 3600 / 60);
}
