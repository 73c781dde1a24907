#pragma once
#include "platform/core/CToolDialogsBase.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

// The Qt dialogs behind CTool: a modeless progress window, input prompts, a choice list, the
// message box with the buttons "确定" and "取消" and the file dialogs.
class TToolDialogs : public CToolDialogsBase
{
public:
    TToolDialogs();
    ~TToolDialogs() override;

    int BeginProgress(bool flag, int total, const QString& title) override;
    int StepProgress(int steps) override;
    int EndProgress() override;
    int Input(const QString& prompt, QString& value, int option, const QString& caption) override;
    int InputList(const QStringList& labels, QStringList& values, int option, const QString& title) override;
    int Select(const QString& title, const QStringList& options) override;
    int ShowInfor(const QString& caption, const QString& message, int style, int icon, const QString& firstButton,
                  const QString& secondButton, int defaultButton) override;
    void ShowMessage(const QString& message) override;
    bool GetOpenFileName(const QString& title, const QString& filter, QString& fileName) override;
    bool GetSaveFileName(const QString& title, const QString& filter, QString& fileName) override;
    bool GetSaveFileNameAndFilter(const QString& title, const QString& filter, QString& fileName,
                                  int& filterIndex) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    QPointer<QProgressDialog> m_progress;
};
