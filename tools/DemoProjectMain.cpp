// didivov_demogen <project.VLZ>
//
// Writes the office demonstration project shipped in the program folder. Run by the build after
// the program folder's databases exist. Notices the data layer raises on the way are printed and
// its questions cancelled; a failing step fails the run and leaves no project file behind.
#include "platform/core/CGbkCodec.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CToolDialogsBase.h"
#include "platform/core/Exception.h"
#include "tools/CDemoProject.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {
constexpr int kDetailedAC = 3;

class CConsoleToolDialogs : public CToolDialogsBase
{
public:
    int BeginProgress(bool, int, const QString&) override { return 1; }
    int StepProgress(int) override { return 1; }
    int EndProgress() override { return 1; }
    int Input(const QString& prompt, QString&, int, const QString&) override { return Refuse(prompt); }
    int InputList(const QStringList& labels, QStringList&, int, const QString&) override
    {
        return Refuse(labels.join(QLatin1Char(' ')));
    }
    int Select(const QString& title, const QStringList&) override
    {
        Refuse(title);
        return -1;
    }
    int ShowInfor(const QString& caption, const QString& message, int, int, const QString&, const QString&,
                  int) override
    {
        return Refuse(caption + QLatin1Char(' ') + message);
    }
    void ShowMessage(const QString& message) override { Refuse(message); }
    bool GetOpenFileName(const QString& title, const QString&, QString&) override
    {
        return Refuse(title) == 6;
    }
    bool GetSaveFileName(const QString& title, const QString&, QString&) override
    {
        return Refuse(title) == 6;
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

private:
    static int Refuse(const QString& text)
    {
        std::fprintf(stderr, "didivov_demogen: %s\n", qPrintable(text));
        return 2;
    }
};

// An installed program folder is shared by its users, who may not write it: what it ships must be
// readable by all of them, whatever the writers made their files.
void MakeReadableByAll(const QString& folder)
{
    const QFile::Permissions file =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    const QFile::Permissions directory = file | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    QStringList entries{folder};
    while (it.hasNext())
        entries << it.next();
    for (const QString& entry : entries) {
        const bool isDir = QFileInfo(entry).isDir();
        if (!QFile::setPermissions(entry, isDir ? directory : file))
            throw Exception(QStringLiteral("cannot make %1 readable by all").arg(entry));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: didivov_demogen <project.VLZ>\n");
        return 2;
    }
    const QString project = QFileInfo(arguments.at(1)).absoluteFilePath();
    try {
        CProgramFolder::SetPath(QStringLiteral(DIDIVOV_BIN_DIR));
        if (!QDir().mkpath(QFileInfo(project).path()))
            throw Exception(QStringLiteral("cannot make the folder of %1").arg(project));
        // Opening the fresh file leaves a backup of it; the shipped folder holds the project only.
        const QString backup = QFileInfo(project).path() + QStringLiteral("/Backup");
        const bool hadBackup = QFileInfo::exists(backup);
        CDemoProject::WriteOffice(project, kDetailedAC, std::make_unique<CConsoleToolDialogs>());
        // The book of the demonstration takes the report of the example plug-in.
        CGbkCodec::WriteLines(QFileInfo(project).path() + QStringLiteral("/OutPutConfig.data"),
                              {QStringLiteral("房间面积表")});
        if (!hadBackup)
            QDir(backup).removeRecursively();
        MakeReadableByAll(QFileInfo(project).path());
    } catch (const Exception& e) {
        std::fprintf(stderr, "didivov_demogen: %s\n", qPrintable(e.Message()));
        QFile::remove(project);
        return 1;
    }
    return 0;
}
