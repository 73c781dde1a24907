#pragma once
#include "platform/core/CToolDialogsBase.h"

#include <QList>
#include <QStringList>

// Scripted dialogs for tests: answers are preset in queues and every call is recorded.
// An unscripted question answers DefaultAnswer (6, the first button, unless changed).
class CFakeToolDialogs : public CToolDialogsBase
{
public:
    struct SMessageBox
    {
        QString caption;
        QString message;
        int style;
        int icon;
        int defaultButton = 1;
    };
    struct SFileDialog
    {
        bool save;
        QString filter;
        QString proposed; // the file name the dialog opened with
    };

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
    // Takes the filter from FilterAnswers (the one offered when none is preset).
    bool GetSaveFileNameAndFilter(const QString& title, const QString& filter, QString& fileName,
                                  int& filterIndex) override;
    void BeginWaitCursor() override { ++WaitDepth; }
    void EndWaitCursor() override { --WaitDepth; }

    // Presets.
    QList<int> MessageBoxAnswers;
    QList<int> SelectAnswers;
    QList<QString> InputAnswers;       // a null QString cancels
    QList<QStringList> InputListAnswers; // an empty list cancels
    // Paths the file dialogs choose, in order; a null QString cancels.
    QList<QString> FileAnswers;
    // 1-based filters the save dialog with a choice of formats chooses, in order.
    QList<int> FilterAnswers;
    int DefaultAnswer = 6;

    // Records.
    QList<SMessageBox> MessageBoxes;
    QStringList Messages;
    QList<SFileDialog> FileDialogs;
    QStringList ProgressTitles;
    int ProgressSteps = 0;
    int OpenProgress = 0;
    int WaitDepth = 0;
};
