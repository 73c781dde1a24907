#pragma once
#include <QString>

// One field of a report's detail rows. Its index is its position among the report's fields and the
// index of its cell in every row.
class CQORReportField
{
public:
    CQORReportField(const QString& name, int index) : m_Name(name), m_Title(name), m_Index(index) {}

    QString m_Name;
    QString m_Title;
    bool m_Used = false; // set when a cell of the field receives a value, or by SetUsedFields
    int m_Index = 0;
};
