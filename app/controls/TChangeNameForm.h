#pragma once
#include "app/controls/TBMPButton.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// The rename dialog "更名". The caller puts the current name into NewName, runs exec() and, on
// mrOk, takes NewName's text (checking it itself: only an exactly empty text is refused here,
// a name of blanks passes).
class TChangeNameForm : public QDialog
{
    Q_OBJECT
public:
    explicit TChangeNameForm(QWidget* owner = nullptr);

    void BMPButton2Click();
    void BMPButton1Click();
    void reject() override;

    QLabel* Label1;
    QLineEdit* NewName;
    TBMPButton* BMPButton2;
    TBMPButton* BMPButton1;
};
