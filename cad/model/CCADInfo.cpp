#include "cad/model/CCADInfo.h"

CCADInfo& CCADInfo::Global()
{
    static CCADInfo model;
    return model;
}

CADStoreyInfo* CCADInfo::Get(int index) const
{
    auto* node = m_storeys.NodeAt(index);
    return node ? node->item : nullptr;
}

int CCADInfo::Add(CADStoreyInfo* storey)
{
    // A null record would later be written as if it were a storey.
    if (!storey)
        return -1;
    return m_storeys.Add(storey);
}

CADStoreyInfo* CCADInfo::FindStorey(int storeyId) const
{
    for (auto* node = m_storeys.NodeAt(0); node; node = node->next)
        if (node->item->storeyId == storeyId)
            return node->item;
    return nullptr;
}

void CCADInfo::Clear()
{
    m_storeys.Clear();
    m_loadFailedFile.clear();
    m_loadError.clear();
}

void CCADInfo::SetLoadFailed(const QString& path, const QString& message)
{
    m_loadFailedFile = path;
    m_loadError = message;
}
