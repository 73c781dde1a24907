#include "calc/CCalculate_System.h"

#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Room.h"
#include "calc/ResultHolder.h"

CCalculate_System::CCalculate_System(const QString& name) : m_name(name)
{
    CCalResultBuffer::Current().AcquireResult(m_result);
}

CCalculate_System::~CCalculate_System()
{
    ReturnHeldResult(m_result);
}

void CCalculate_System::AppendRoom(CCalculate_Room& room)
{
    m_rooms.push_back(&room);
    if (m_roomNames.isEmpty())
        m_roomNames = room.Entry.Caption;
    else
        m_roomNames += QLatin1Char(',') + room.Entry.Caption;
}
