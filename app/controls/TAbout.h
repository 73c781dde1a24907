#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// The about box "关于DID-IVOV": product, version, publisher and contact lines. The web-address
// labels open their own text in the desktop's browser, the e-mail label a mail to the contact
// address; "关闭" ends the modal loop with mrOk.
class TAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TAbout(QWidget* owner = nullptr);

    // The mail link the e-mail label opens.
    static QString MailLink();

    void Label7Click(QLabel* label);
    void Label8Click();
    void FormShow() {}

    QLabel* Label7;  // the maker's web address
    QLabel* Label13; // the publisher's web address
    QLabel* Label8;  // the e-mail address
    QPushButton* BMPButton1;
};
