#pragma once
#include <QString>

class CQORReport;

// The cursor of the calculation book's load statistics table, shared by the statistics section
// and the by-system rows of the air systems: the report that receives the rows, the row being
// written (counted from 0 by the statistics section on every start and exit) and its label.
struct SStatisticsCursor
{
    CQORReport* Report = nullptr;
    int Row = 0;
    QString RowName;
};
SStatisticsCursor& StatisticsCursor();

// Writes row Row of the cursor's report: the label in column 0, then one cell per child of output
// option 192 ticked for the current design type, from the result of that design type (for the
// monthly and daily types its step record; a negative step writes nothing). Loads print "%.2f",
// per-area values divide by the cooling or the heating area (0 for an area below 1e-15; a heating
// area of -1 means the cooling area), peak hours print as "08:00" or "-". The row counter and the
// label are the caller's.
void FillLoadStatisticsRow(void* result, float area, int step, float heatArea);

// The number of fields of the design type's statistics table before "Room_Area" (the label and
// the value columns), and the name of field i (0 "Name").
int StatisticsAreaColumn(int designType);
QString StatisticsFieldName(int designType, int field);
// The template of the design type's statistics table, relative to the program folder.
QString StatisticsTemplate(int designType);
