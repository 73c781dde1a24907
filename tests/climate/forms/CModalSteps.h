#pragma once
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

// Acts in modal dialogs as a user would: each step waits for the modal dialog of its type and
// runs once on it, in order. A step may open a modal dialog of its own, which the next steps
// answer. Steps never run are counted by Pending().
class CModalSteps : public QObject
{
public:
    CModalSteps()
    {
        connect(&m_timer, &QTimer::timeout, this, &CModalSteps::Poll);
        m_timer.start(1);
    }

    template <typename Form> void On(std::function<void(Form&)> step)
    {
        m_steps.push_back({[](QWidget* modal) {
                               auto* form = dynamic_cast<Form*>(modal);
                               return form && form->isVisible();
                           },
                           [step](QWidget* modal) { step(*dynamic_cast<Form*>(modal)); }});
    }
    int Pending() const { return static_cast<int>(m_steps.size()); }

private:
    struct SStep
    {
        std::function<bool(QWidget*)> Matches;
        std::function<void(QWidget*)> Run;
    };

    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || m_steps.empty() || !m_steps.front().Matches(modal))
            return;
        const SStep step = m_steps.front();
        m_steps.pop_front();
        step.Run(modal);
    }

    QTimer m_timer;
    std::deque<SStep> m_steps;
};
