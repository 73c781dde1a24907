#pragma once
#include <QString>

// The program's fixed vocabularies, indexed by the shared codes: library kind (0..20), element
// type (0..30), design type (0..8). Callers pass codes within range; an index outside raises
// Exception rather than reading past a table.

constexpr int LibraryKindCount = 21;
constexpr int ElementTypeCount = 31;
constexpr int EnvelopeKindCount = 17;
constexpr int DesignTypeCount = 9;

// Kind of library record: 0 layered construction, 1 room or storey use, 2 schedule, 3 weather.
QString LibraryName(int kind);
QString LibraryTableName(int kind);
QString LibraryRecordName(int kind);
int LibraryShape(int kind);
// The element type whose elements take their construction from the kind; -1 for none.
int LibraryElementType(int kind);

QString ElementTableName(int type);
QString ElementTypeName(int type);

// Item index of the list of 17 envelope kinds -> element type (9..24, then 29).
int EnvelopeElementType(int index);
QString EnvelopeKindName(int index);

QString DesignTypeName(int designType);

// A year of 365 days.
int DaysOfMonth(int month);    // month 0..11
int MonthFirstDay(int month);  // zero-based day of the year on which the month begins

QString ChineseNumeral(int number); // 1..31
QString DecimalFormat(int decimals); // 0..4: "0.", "0.0", ... "0.0000"

// Formats the value with a "0.00"-style pattern (as many decimals as zeros after the point,
// rounded), then drops trailing zeros and a trailing point: ("0.000", 2.5) gives "2.5".
QString FormatFloatTrimmed(const QString& pattern, double value);

// Hooks called when a property page loads its element and when the main window closes; they do
// nothing.
void NotifyElementPageLoad();
void NotifyMainFormClose();
