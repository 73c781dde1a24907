#pragma once
#include <QString>

#include <array>
#include <functional>

class CElementBase;
class COutputParams;
class CProjectData;
class CQORReport;

// The tables of the hourly load section of the calculation book, one node (room, storey, building,
// the buildings' summary, or one month or day of a node) at a time: a row per load item ticked
// under option 310 and a column per selected hour, from the node's result record of the design
// type. Design type 3 gives every node a report of its own with a head of its peak loads; the
// other types write their rows into the section report, the node's title in the first column.
class CHourlyLoadTable
{
public:
    using Hours = std::array<int, 24>;
    // Makes a report from the template (a program-relative path) that the book owns.
    using ReportFactory = std::function<CQORReport*(const char* templatePath)>;
    // Told of a load item the design type has no array for.
    using UnhandledOption = std::function<void(int option)>;

    // Where an option's row comes from: an hourly array, the detailed record's detail lists, or
    // nowhere (-1).
    static constexpr int DetailLists = -2;
    static int ArrayOf(int designType, int option);
    // The integer of a tbl_registry key ("ShowZeroRow", "PrintAllBuilding"); 0 when the key is
    // absent or cannot be read.
    static int RegistryValue(const char* key);

    // Hours to print around the peak hour (TimePeriodType non-zero: every HourInterval hours up to
    // HourfromMaximumLoad before and after it, wrapping past midnight) or in the fixed range
    // TimeBeginning..TimeEnd (not wrapping). An interval below 1 counts as 1, a window above 24
    // hours as 24 and range ends outside 0..23 are held at the nearest hour.
    static void SelectOutputHours(const CProjectData& project, int peakHour, Hours& hours);

    CHourlyLoadTable(CQORReport& section, int designType, ReportFactory factory, UnhandledOption unhandled);

    // Writes the node's table from the hours selected at firstHour and later; nothing when there
    // are none. Design type 3 hangs the node's own report below the section report, its head
    // chosen by element and kind (3 room, 2 storey, -1 otherwise).
    void WriteHourlyLoadRows(void* record, const Hours& hours, int firstHour, CElementBase* element, int kind);

    CQORReport* HourlyReport;
    int HourlyRow = 0;
    QString HourlyRowTitle;

private:
    void WriteDetailedHead(CQORReport& node, void* record, CElementBase* element, int kind) const;
    // A row of design type 3's node report, skipped when no listed value reaches 1 in magnitude
    // unless zero rows are shown.
    void WriteNodeRow(CQORReport& node, const QString& caption, const float* values, const int* listed);

    int m_designType;
    ReportFactory m_factory;
    UnhandledOption m_unhandled;
    bool m_showZeroRows = false;
};
