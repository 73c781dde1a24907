#pragma once
#include <QString>
#include <QStringList>

#include <vector>

// A set of files replaced together: each new file is first written completely beside the file it
// replaces, and only once all are written are they moved into place. Until Commit every target is
// as it was; a set that is dropped without Commit leaves nothing behind. A move is a rename within
// one folder, so each target holds at every moment either its old or its new content.
class CStagedFiles
{
public:
    CStagedFiles() = default;
    // Removes the copies that were not moved into place.
    ~CStagedFiles();
    CStagedFiles(const CStagedFiles&) = delete;
    CStagedFiles& operator=(const CStagedFiles&) = delete;

    // Copies source to a new file in the folder of target (which must exist). The copy has the
    // source's permissions and is writable by its owner. False, with the reason in message.
    bool Stage(const QString& source, const QString& target, QString& message);
    // Marks a file for removal after the moves: a file of the replaced set that the new set lacks.
    // A file that does not exist then is no failure.
    void StageRemoval(const QString& target);
    // Moves the copies into place in the order staged, then removes the marked files. False, with
    // the reason in message, at the first that fails; the moves done before it stay done.
    bool Commit(QString& message);

private:
    struct SFile
    {
        QString Copy;
        QString Target;
    };
    std::vector<SFile> m_files;
    QStringList m_removals;
};
