#pragma once
#include <QWidget>

class QLabel;

// The splash window: one picture in a borderless, input-less, slightly transparent window,
// centred on the given window (or the screen) and shown at once. main creates it before the
// forms and destroys it before the event loop runs.
class TLoadApplication : public QWidget
{
    Q_OBJECT
public:
    explicit TLoadApplication(QWidget* centreOn = nullptr);

    QLabel* Image1;
};
