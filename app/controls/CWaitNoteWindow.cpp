#include "app/controls/CWaitNoteWindow.h"

#include "app/controls/TWaitProgres.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

CWaitNoteWindow::CWaitNoteWindow(QWidget* mainWindow) : m_mainWindow(mainWindow) {}

CWaitNoteWindow::~CWaitNoteWindow() = default;

void CWaitNoteWindow::ShowNote(const QString& note)
{
    if (note.isEmpty())
        return;
    if (!m_window)
        m_window = std::make_unique<TWaitProgres>();
    if (!m_window->isVisible()) {
        QRect area;
        if (m_mainWindow)
            area = m_mainWindow->frameGeometry();
        else if (const QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        if (area.isValid())
            m_window->move(area.center() - m_window->rect().center());
        m_window->setWindowOpacity(220.0 / 255.0);
        m_window->show();
    }
    m_window->Label1->setText(note);
    // The caller keeps working without returning to the event loop.
    m_window->repaint();
}

void CWaitNoteWindow::CloseNote()
{
    if (m_window)
        m_window->close();
}
