#pragma once
#include <QString>

class COutputRunHostBase;
class CQORReport;
class QObject;

// The calculate-and-output run of the output options dialog's "输出": calculates the whole project
// for the current design type, lays out the calculation book and previews it, exports it to a data
// file or writes it as a Word document (the program's own HTML page, "UnName.doc" in the project
// folder) that the desktop then opens. Output plug-ins add their reports to the book.
//
// Everything runs on the calling thread under the progress window "正在计算并输出负荷"; its stop
// button is honoured after the book is assembled, before each plug-in and before the output. Needs
// the open project with everything a calculation reads, the output options (COutputParams), the
// project tree's view and the tool object for its questions and file choice.
class CCalculateAndOutput
{
public:
    enum Mode : int
    {
        Preview = 0,
        DataFile = 1,
        WordDocument = 2
    };
    enum class Outcome
    {
        NotRun,    // nothing was asked yet
        Cancelled, // the file choice or the overwrite question said no; nothing was calculated
        Stopped,   // the user stopped the run; no output
        Previewed,
        Written,   // the file was written
        Failed     // the file could not be written; the user has been told
    };

    CCalculateAndOutput(COutputRunHostBase& host, QObject* owner);

    // Clears the message panel, opens the run's buffers and progress window and runs the work. An
    // exception of the work passes to the caller after everything of the run is released.
    void Run(int mode);
    // The work itself, under the progress window of Run.
    void CalculateAndOutput();

    // The save dialog's filter (Qt's form), its five formats in order.
    static QString DataFileFilter();
    // Extension and export type of the 1-based filter index; "" and 0 outside 1..5.
    static QString DataFileExtension(int filterIndex);
    static int DataFileExportType(int filterIndex);
    // The chosen name with the filter's extension appended unless it ends with it already.
    static QString DataFilePath(const QString& fileName, int filterIndex);
    // The Word document of the project folder ("<folder>UnName.doc"), or "UnName-n.doc" there for
    // the first n from 1 whose file does not exist or can be deleted, when the plain one exists and
    // cannot be deleted.
    static QString WordDocumentPath(const QString& projectFolder);

    Outcome LastOutcome() const { return m_outcome; }
    // The file the last run wrote or meant to write.
    const QString& TargetPath() const { return m_target; }

private:
    // Settles the output file before anything is calculated; false when the user declined.
    bool ChooseTarget();
    bool ConfirmOverwrite(const QString& path, const QString& text);
    void AddPlugInReports(CQORReport& book);
    void Output(CQORReport& book);
    bool WriteWordDocument(CQORReport& book);

    COutputRunHostBase& m_host;
    QObject* m_owner;
    int m_mode = Preview;
    int m_filterIndex = 1;
    QString m_fileName;
    QString m_target;
    Outcome m_outcome = Outcome::NotRun;
};
