#pragma once
#include "report/engine/CReportTemplate.h"

#include <QList>
#include <QStringList>

// The content of a report tree in reading order, without pages: what every output prints. The
// paginator lays it out on pages (preview, print, PDF, TIF); the cell-based writers (XLS, TXT, CSV,
// HTM, RTF) write it as text and tables. Built once per output, after every report object of the
// tree has fetched its detail records.
class CReportFlow
{
public:
    struct SItem
    {
        enum class Kind
        {
            SectionBegin, // a report of the tree begins; control is its sub-report control (null for the top)
            SectionEnd,
            Band,       // a report header or group band; texts are its controls' resolved texts
            TableBegin, // columns are the shown columns of the detail grid
            Row,        // cells, one per shown column
            TableEnd,
            PageBreak // a new page starts here (when the current page holds anything)
        };
        Kind kind = Kind::Band;
        const CReportTemplate* report = nullptr;
        int depth = 0; // 0 for the top report
        const CReportTemplate::SControl* control = nullptr;
        const CReportTemplate::SBand* band = nullptr;
        QStringList texts;
        QList<const CReportTemplate::SColumn*> columns;
        QStringList cells;
    };

    static QList<SItem> Build(CReportTemplate& root);

    // The texts of a band as lines of cells: controls whose tops lie within half a millimetre share
    // a line, ordered left to right; lines top to bottom; empty texts and pictures left out.
    static QList<QStringList> BandLines(const SItem& band);
    // True for text that reads as a decimal number ("-12", "3.14").
    static bool IsNumber(const QString& text);

private:
    static void AddSection(QList<SItem>& flow, CReportTemplate& report, int depth,
                           const CReportTemplate::SControl* control);
    static void AddDetail(QList<SItem>& flow, const CReportTemplate& report, int depth);
};
