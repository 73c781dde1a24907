#pragma once
#include "report/engine/CReportFlow.h"

#include <QByteArray>

// Plain-text exports of a report tree, UTF-8, one line per band line or table row; a blank line
// after each table. TXT separates cells with tabs; CSV with commas, quoting as RFC 4180 asks, and
// starts with a byte-order mark so that spreadsheet programs read the Chinese text right.
class CReportTextWriter
{
public:
    enum class Format
    {
        Txt,
        Csv
    };

    static QByteArray Render(const QList<CReportFlow::SItem>& flow, Format format);
};
