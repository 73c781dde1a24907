#pragma once
#include <QObject>

// Gives every window of the program's own classes that has an object name a translator (CLgForm)
// when it is first shown, once it is built, unless it attached one itself. The translator lives as
// long as the window. Qt's own windows (message boxes, file dialogs, menus) are left alone.
class CLgFormAttacher : public QObject
{
public:
    // Installs the one attacher on the running application; later calls do nothing.
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
