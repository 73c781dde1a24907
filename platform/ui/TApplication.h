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
};
