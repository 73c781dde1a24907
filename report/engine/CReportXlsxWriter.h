#pragma once
#include "report/engine/CReportFlow.h"

#include <QByteArray>
#include <QString>

// The workbook export of a report tree (.xlsx): band lines and tables as cells, numbers as numbers
// keeping their decimals. A section whose sub-report control has the new-sheet switch on goes to a
// sheet of its own, named after its report; one whose cell-export switch is off is left out. With
// sameAsPrint the sheets take the report's orientation and paper, and the first table's title row
// repeats on every printed page.
class CReportXlsxWriter
{
public:
    // The workbook file's bytes; false with a message when the workbook cannot be made.
    static bool Render(const QList<CReportFlow::SItem>& flow, bool sameAsPrint, QByteArray& bytes,
                       QString& error);
};
