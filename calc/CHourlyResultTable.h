#pragma once
#include <QStringList>

class CCalculate_Result_IsACLoadCalculation;

// The hourly table of a detailed cooling result, for inspection in a spreadsheet: the header
// "项目,0:00,...,23:00" (no trailing comma), then one line per array: its caption and the 24
// values printed with "%f" (six decimals, no grouping), each followed by "," (so a data line splits
// into 26 fields, the last one empty). Arrays are listed 0..55, 60..69, 74..97, 102..105,
// 108..119, 106, 107, 56..59, 70..73, 98..101; values are printed as the record holds them.
void FormatHourlyResultTable(const CCalculate_Result_IsACLoadCalculation& result, QStringList& lines);
// The caption under which the table prints array 0..119; empty outside.
QString HourlyArrayCaption(int array);
