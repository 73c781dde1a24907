#include "calc/CCalculate_System.h"

#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Room.h"
#include "calc/ResultByType.h"

CCalculate_System::CCalculate_System(const QString& name) : m_name(name)
{
    CCalResultBuffer& pool = CCalResultBuffer::Current();
    m_designType = pool.DesignType();
    pool.AcquireResult(m_result);
}

CCalculate_System::~CCalculate_System()
{
    if (CCalResultBuffer* pool = CCalResultBuffer::GetCurrent(); pool && pool->DesignType() == m_designType)
        pool->ReleaseResult(m_result);
    else
        FreeResultByType(m_result, m_designType);
}

void CCalculate_System::AppendRoom(CCalculate_Room& room)
{
    m_rooms.push_back(&room);
    if (m_roomNames.isEmpty())
        m_roomNames = room.Entry.Caption;
    else
        m_roomNames += QLatin1Char(',') + room.Entry.Caption;
}
