#include "platform/core/CWaitCursor.h"

#include "platform/core/CTool.h"
#include "platform/core/CToolDialogsBase.h"

CWaitCursor::CWaitCursor() : m_active(CTool::Exists())
{
    if (m_active)
        CTool::Current().Dialogs().BeginWaitCursor();
}

CWaitCursor::~CWaitCursor()
{
    if (m_active && CTool::Exists())
        CTool::Current().Dialogs().EndWaitCursor();
}
