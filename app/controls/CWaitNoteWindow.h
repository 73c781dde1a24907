#pragma once
#include "platform/core/CWaitNoteDisplayBase.h"

#include <QPointer>
#include <memory>

class QWidget;
class TWaitProgres;

// The program's wait display: creates the wait window TWaitProgres on the first note, centres it
// on the main window when it is shown, and keeps it (hidden) for the next note. One lives for the
// program's run (registered as the current display); it destroys the window with itself.
class CWaitNoteWindow : public CWaitNoteDisplayBase
{
public:
    explicit CWaitNoteWindow(QWidget* mainWindow = nullptr);
    ~CWaitNoteWindow() override;

    // The window the note is centred on; may be set once the main window exists.
    void SetMainWindow(QWidget* mainWindow) { m_mainWindow = mainWindow; }

    void ShowNote(const QString& note) override;
    void CloseNote() override;

    // Null until the first note.
    TWaitProgres* Window() const { return m_window.get(); }

private:
    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<TWaitProgres> m_window;
};
