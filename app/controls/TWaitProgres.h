#pragma once
#include <QWidget>

class QLabel;

// The borderless, stay-on-top wait window: an icon and the note in Label1 inside a blue frame.
// Shown and hidden by CWaitNoteWindow; closing it only hides it.
class TWaitProgres : public QWidget
{
    Q_OBJECT
public:
    explicit TWaitProgres(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;

protected:
    void paintEvent(QPaintEvent* event) override;
};
