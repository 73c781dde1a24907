#pragma once
#include <QString>
#include <QStringList>

// The small dialogs that core code needs from the user: a progress window for long work, a text
// prompt, a multi-field input form, a choice among options, the message box of every question
// and notice, the plain message box, and the wait cursor. The program installs Qt dialogs;
// tests install a scripted fake. Result codes: 6 means the first button ("确定") or OK.
class CToolDialogsBase
{
public:
    virtual ~CToolDialogsBase() = default;

    // The progress window stays open while the caller works; steps count up to total.
    virtual int BeginProgress(bool flag, int total, const QString& title) = 0;
    virtual int StepProgress(int steps) = 0;
    virtual int EndProgress() = 0;

    // 6 with the new text in value when confirmed, 2 when cancelled (value unchanged).
    virtual int Input(const QString& prompt, QString& value, int option, const QString& caption) = 0;
    // 6 when confirmed; values then holds one entered text per label, in label order.
    virtual int InputList(const QStringList& labels, QStringList& values, int option, const QString& title) = 0;
    // Index of the chosen option (0 = first), -1 when closed without a choice.
    virtual int Select(const QString& title, const QStringList& options) = 0;
    // style 6: notice with one button; 9: question with two. icon 0 warning, 1 error,
    // 2 information, 3 question. defaultButton 1 or 2 is the one Enter presses: a question whose
    // first answer destroys data makes it 2. 6 when the first button was pressed.
    virtual int ShowInfor(const QString& caption, const QString& message, int style, int icon,
                          const QString& firstButton, const QString& secondButton, int defaultButton) = 0;
    // The plain message box of database failures and short notices.
    virtual void ShowMessage(const QString& message) = 0;
    // File choices. filter is in Qt's form ("8760h逐时气象文件(*.qsw)"); fileName goes in as the
    // proposed name and comes out as the chosen path. False when cancelled (fileName unchanged).
    // The save dialog does not ask before replacing a file: the caller decides.
    virtual bool GetOpenFileName(const QString& title, const QString& filter, QString& fileName) = 0;
    virtual bool GetSaveFileName(const QString& title, const QString& filter, QString& fileName) = 0;
    // The save dialog with a choice of formats: filterIndex is the 1-based position of the chosen
    // filter in the ";;"-separated list (in: the one offered first). Without its own dialog it is
    // the plain save dialog and filterIndex stays.
    virtual bool GetSaveFileNameAndFilter(const QString& title, const QString& filter, QString& fileName,
                                          int& filterIndex)
    {
        return GetSaveFileName(title, filter, fileName);
    }

    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};
