#include "calc/CCalculateHostBase.h"

#include "platform/core/CTool.h"

#include <QDebug>

namespace {
// Without a host a message still reaches the user rather than being dropped.
void ShowWithoutHost(const QString& text)
{
    if (CTool::Exists())
        CTool::Current().ShowMessage(text);
    else
        qWarning().noquote() << text;
}
} // namespace

void CCalculateHostBase::PostMessage(const QString& text)
{
    if (CCalculateHostBase* host = GetCurrent())
        host->AddMessage(text);
    else
        ShowWithoutHost(text);
}

void CCalculateHostBase::PostOutputLine(int category, const QString& text)
{
    if (CCalculateHostBase* host = GetCurrent())
        host->AddOutputLine(category, text);
    else
        ShowWithoutHost(text);
}
