#include "tests/support/CFakeToolDialogs.h"

int CFakeToolDialogs::BeginProgress(bool, int, const QString& title)
{
    ProgressTitles << title;
    ++OpenProgress;
    return 0;
}

int CFakeToolDialogs::StepProgress(int steps)
{
    ProgressSteps += steps;
    return 0;
}

int CFakeToolDialogs::EndProgress()
{
    --OpenProgress;
    return 0;
}

int CFakeToolDialogs::Input(const QString&, QString& value, int, const QString&)
{
    if (InputAnswers.isEmpty() || InputAnswers.first().isNull()) {
        if (!InputAnswers.isEmpty())
            InputAnswers.removeFirst();
        return 2;
    }
    value = InputAnswers.takeFirst();
    return 6;
}

int CFakeToolDialogs::InputList(const QStringList&, QStringList& values, int, const QString&)
{
    if (InputListAnswers.isEmpty())
        return 2;
    const QStringList answer = InputListAnswers.takeFirst();
    if (answer.isEmpty())
        return 2;
    values = answer;
    return 6;
}

int CFakeToolDialogs::Select(const QString&, const QStringList&)
{
    return SelectAnswers.isEmpty() ? -1 : SelectAnswers.takeFirst();
}

int CFakeToolDialogs::ShowInfor(const QString& caption, const QString& message, int style, int icon, const QString&,
                                const QString&, int defaultButton)
{
    MessageBoxes << SMessageBox{caption, message, style, icon, defaultButton};
    return MessageBoxAnswers.isEmpty() ? DefaultAnswer : MessageBoxAnswers.takeFirst();
}

void CFakeToolDialogs::ShowMessage(const QString& message)
{
    Messages << message;
}

namespace {
bool AnswerFileDialog(QList<QString>& answers, QString& fileName)
{
    const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
    if (answer.isNull())
        return false;
    fileName = answer;
    return true;
}
} // namespace

bool CFakeToolDialogs::GetOpenFileName(const QString&, const QString& filter, QString& fileName)
{
    FileDialogs << SFileDialog{false, filter, fileName};
    return AnswerFileDialog(FileAnswers, fileName);
}

bool CFakeToolDialogs::GetSaveFileName(const QString&, const QString& filter, QString& fileName)
{
    FileDialogs << SFileDialog{true, filter, fileName};
    return AnswerFileDialog(FileAnswers, fileName);
}

bool CFakeToolDialogs::GetSaveFileNameAndFilter(const QString& title, const QString& filter, QString& fileName,
                                                int& filterIndex)
{
    if (!GetSaveFileName(title, filter, fileName))
        return false;
    if (!FilterAnswers.isEmpty())
        filterIndex = FilterAnswers.takeFirst();
    return true;
}
