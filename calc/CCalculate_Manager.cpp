#include "calc/CCalculate_Manager.h"

#include "climate/CDayScheduleData.h"
#include "climate/CScheduleData.h"
#include "model/CBasementWall.h"
#include "model/CGapWall.h"
#include "model/CGlassCurtainWall.h"
#include "model/CInsideDoor.h"
#include "model/CInsideWall.h"
#include "model/CInsideWindow.h"
#include "model/COutsideWall.h"
#include "model/CRoom.h"
#include "model/CSlabElement.h"
#include "platform/core/CDbQuery.h"

namespace {
// The size columns of an element whose area follows from its size input.
struct SSize
{
    int* Mode = nullptr;
    double* Length = nullptr;
    double* Second = nullptr; // width or height
    double* Area = nullptr;
};

template <typename T> double* WidthOf(CElementBase* element)
{
    auto* typed = dynamic_cast<T*>(element);
    return typed ? &typed->Width : nullptr;
}

template <typename T> double* HeightOf(CElementBase* element)
{
    auto* typed = dynamic_cast<T*>(element);
    return typed ? &typed->Height : nullptr;
}

// False for kinds whose area is not computed; the element is loaded only for the others.
bool SizeOf(const CBaseData& entry, SSize& size)
{
    double* (*second)(CElementBase*) = nullptr;
    switch (entry.Kind) {
    case 3:
        second = WidthOf<CRoom>;
        break;
    case 14:
        second = WidthOf<CInsideWindow>;
        break;
    case 15:
        second = WidthOf<CInsideDoor>;
        break;
    case 16: // ceiling, roof, blind storey, glass roof, floor, ground, projection floor
    case 17:
    case 19:
    case 20:
    case 21:
    case 22:
    case 23:
        second = WidthOf<CSlabElement>;
        break;
    case 29:
        second = WidthOf<CBasementWall>;
        break;
    case 9:
        second = HeightOf<COutsideWall>;
        break;
    case 12:
        second = HeightOf<CGlassCurtainWall>;
        break;
    case 13:
        second = HeightOf<CInsideWall>;
        break;
    case 24:
        second = HeightOf<CGapWall>;
        break;
    default:
        return false;
    }
    CElementBase* element = entry.GetElement();
    double* secondValue = element ? second(element) : nullptr;
    if (!secondValue)
        return false;
    if (auto* room = dynamic_cast<CRoom*>(element))
        size = {&room->IsLWInputArea, &room->Length, secondValue, &room->Area};
    else if (auto* envelope = dynamic_cast<CEnvelopeElement*>(element))
        size = {&envelope->IsLWInputArea, &envelope->Length, secondValue, &envelope->Area};
    else
        return false;
    return true;
}
} // namespace

CCalculate_Manager::CCalculate_Manager() = default;

CCalculate_Manager::~CCalculate_Manager()
{
    // Schedules and text pages first, then the structure, whose records go back to the pool.
    for (auto& query : m_scheduleQueries)
        query.reset();
    m_schedules.clear();
    m_daySchedules.clear();
    m_scheduleDays.Clear();
    ClearTextPages();
    m_buildings.clear();
}

void CCalculate_Manager::ClearCursor()
{
    m_currentBuilding = nullptr;
    m_currentStorey = nullptr;
    m_currentRoom = nullptr;
    m_currentRoof = nullptr;
    m_currentInsideWall = nullptr;
    m_currentOutsideWall = nullptr;
}

void CCalculate_Manager::ComputeElementArea(const CBaseData& entry)
{
    SSize size;
    if (!SizeOf(entry, size))
        return;
    *size.Area = CalcArea(*size.Mode, *size.Length, *size.Second, *size.Area);
}

double CCalculate_Manager::SelectArea(int mode, double a, double b, double c, double d)
{
    if (mode == 0)
        return a * b;
    if (mode == 2)
        return d;
    return c;
}

double CCalculate_Manager::CalcArea(int mode, double length, double width, double area)
{
    return mode == 1 ? area : length * width;
}

void CCalculate_Manager::AddTextLine(const QString& text)
{
    if (m_textPages.isEmpty() || m_textLineCount > 100) {
        m_textLineCount = 0;
        m_textPages.append(QStringList());
    }
    m_textPages.last().append(text);
    ++m_textLineCount;
}

void CCalculate_Manager::AddBlankLines(int count)
{
    for (int i = 0; i < count; ++i)
        AddTextLine(QStringLiteral(" "));
}

void CCalculate_Manager::ClearTextPages()
{
    m_textPages.clear();
}
