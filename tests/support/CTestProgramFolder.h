#pragma once
#include <QString>
#include <QTemporaryDir>

// A private copy of the generated program folder (build/bin without the executables) in a
// temporary folder, installed as the program folder for the test's lifetime.
class CTestProgramFolder
{
public:
    CTestProgramFolder();
    ~CTestProgramFolder();
    QString Path() const { return m_dir.path() + '/'; }
    QString File(const QString& relative) const { return m_dir.path() + '/' + relative; }
    // Copies a library the program loads by name ("librozadizo.so") from the generated folder;
    // the copy leaves them out so that their absence can be tested.
    bool AddLibrary(const QString& fileName) const;

private:
    QTemporaryDir m_dir;
};

// The generated program folder of the build.
QString GeneratedProgramFolder();
