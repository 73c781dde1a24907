#pragma once
#include "report/engine/CReportFlow.h"

#include <QByteArray>
#include <QString>

// The HTM export of a report tree: one UTF-8 page, band lines as paragraphs, tables as HTML tables
// with the column titles in their head; a page break where the printed report breaks.
class CReportHtmWriter
{
public:
    static QByteArray Render(const QList<CReportFlow::SItem>& flow, const QString& title);
};
