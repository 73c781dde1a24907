#pragma once
#include <QByteArray>
#include <QString>
#include <string>

// The first pass over an ASCII DXF file, before the parser sees it. It checks the file's
// structure (group codes are whole numbers, every code has its value line, sections close,
// the file ends with EOF), checks the numbers of the records the underlay draws, and keeps only
// those records and groups, rewritten in a plain form:
//   header values $ACADVER, $DWGCODEPAGE, $EXTMIN, $EXTMAX, $INSUNITS, $MEASUREMENT;
//   the layer table; blocks; and the entities LINE, LWPOLYLINE, POLYLINE with its VERTEX and
//   SEQEND records, ARC, CIRCLE, ELLIPSE, TEXT, MTEXT and INSERT.
// Lines are at most 1000 bytes long (longer MTEXT contents are split into chunks, other long
// texts shortened), every number is written back in full precision, and a polyline's vertex
// count is the number of its vertices, so a damaged count cannot mislead the parser.
class CDxfGroupFilter
{
public:
    struct SResult
    {
        bool ok = false;
        QString fault;        // why the file is refused, naming the line
        std::string groups;   // the kept groups, "code\nvalue\n" each, ending with EOF
        std::string version;  // $ACADVER
        std::string codePage; // $DWGCODEPAGE
    };

    static SResult Run(const QByteArray& data);
};
