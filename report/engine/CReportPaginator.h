#pragma once
#include "report/engine/CReportFlow.h"
#include "report/engine/CReportPage.h"

#include <QList>

// Lays the content of a report tree out on pages; the preview, the printer, PDF and TIF all draw its
// pages. Bands move whole to the next page when they do not fit; table rows too, with the column
// titles repeated at the top of every page a table continues on. A report whose orientation or
// paper differs from the current page starts a new page. Needs a QGuiApplication (fonts).
class CReportPaginator
{
public:
    // Fetches the records of every report object of the tree and lays them out. Always at least
    // one page.
    static QList<CReportPage> Paginate(CReportTemplate& root);
    static QList<CReportPage> Paginate(const QList<CReportFlow::SItem>& flow);

    // The lines a text takes in the font at the width (millimetres): explicit line breaks kept, words
    // (and Chinese characters) wrapped; at least one line.
    static QStringList BreakLines(const QString& text, const CReportTemplate::SFont& font, double width);
    // Height of one line of the font, in millimetres.
    static double LineHeight(const CReportTemplate::SFont& font);
};
