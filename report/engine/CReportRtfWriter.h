#pragma once
#include "report/engine/CReportFlow.h"

#include <QByteArray>

// The RTF export of a report tree: band lines as paragraphs, tables as RTF tables whose title row
// repeats on every page, a section of its own wherever the orientation changes and a page break
// where the printed report breaks. Text outside ASCII is written as Unicode escapes.
class CReportRtfWriter
{
public:
    static QByteArray Render(const QList<CReportFlow::SItem>& flow);
};
