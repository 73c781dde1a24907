#pragma once
#include "cad/model/CADStoreyInfo.h"
#include "platform/core/CMyList.h"

#include <QString>

// The project's CAD model: the storeys traced in the CAD modelling window, at most one record per
// storey id (lookups take the first). Owns its storeys.
//
// It also remembers a CAD file that could not be read (damaged, truncated, unreadable or written
// by a newer program). While that file is in place SaveCadInfoFile refuses to overwrite it, so a
// failed load never turns into lost drawings at the next save. Clear (closing the project) and a
// successful load forget it.
class CCADInfo
{
public:
    // The program-wide model of the open project; empty while no project is open.
    static CCADInfo& Global();

    CCADInfo() = default;
    CCADInfo(const CCADInfo&) = delete;
    CCADInfo& operator=(const CCADInfo&) = delete;

    int Count() const { return m_storeys.Count(); }
    // Null outside 0..Count()-1.
    CADStoreyInfo* Get(int index) const;
    // Takes ownership and appends; returns the index, or -1 for a null storey.
    int Add(CADStoreyInfo* storey);
    // The first storey with that id, or null.
    CADStoreyInfo* FindStorey(int storeyId) const;
    // Deletes every storey with its rooms, walls and points, and forgets a failed load.
    void Clear();

    bool LoadFailed() const { return !m_loadFailedFile.isEmpty(); }
    // The file that could not be read, and why, in words for the user.
    const QString& LoadFailedFile() const { return m_loadFailedFile; }
    const QString& LoadError() const { return m_loadError; }
    void SetLoadFailed(const QString& path, const QString& message);

private:
    CMyList<CADStoreyInfo> m_storeys{true};
    QString m_loadFailedFile;
    QString m_loadError;
};
