#pragma once
#include <QApplication>

// The application object. An exception that escapes an event handler is shown by one top-level
// handler and the program keeps running.
class TApplication : public QApplication
{
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // The top-level exception display: the message under "错误".
    static void ShowException(const QString& message);

    // The application title, the caption of plain message boxes. It is not Qt's display name,
    // which the X11 platform appends to every window title after a dash.
    static void SetTitle(const QString& title);
    static QString Title();

    // Installs Qt's own Chinese texts (file and print dialogs, standard buttons, driver errors) on
    // the running application; false when they are not installed on this system.
    static bool LoadQtTranslations();
};
