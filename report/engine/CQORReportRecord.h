#pragma once
#include <QString>
#include <QStringList>

// One detail row of a report: one text per field the report had when the row was created, all "".
class CQORReportRecord
{
public:
    explicit CQORReportRecord(int cellCount)
    {
        for (int i = 0; i < cellCount; ++i)
            m_Cells.append(QString());
    }

    QStringList m_Cells;
};
