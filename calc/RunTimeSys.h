#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <vector>

class CRunTimeFileReader;

// One operating scheme: a named group of rooms (tree node ids, column f_nodeid) with an on/off
// flag for every hour of the plan year of 365 days (1 January a Sunday, no leap day), and the
// twelve series its last calculation summed into, by month, day or hour of the year.
class RunTimeSys
{
public:
    static constexpr int Days = 365;
    static constexpr int Hours = 24;
    static constexpr int HourCount = Days * Hours;
    static constexpr int SeriesCount = 12;
    // The series the scheme file keeps, day by day: 总冷全热, 总冷显热, 室内冷全热, 室内冷显热.
    static constexpr int StoredSeries = 4;

    // The plan of a new scheme: hours 8 to 18 on every day, the others off; no name, no room,
    // every sum 0.
    RunTimeSys();

    // Day d, hour h at d * 24 + h: 1 on, 0 off.
    std::array<unsigned char, HourCount> HourFlags{};
    QString Name;
    QList<int> RoomIds;
    // SeriesCount x HourCount, series after series; the entry is the month (0-11), the day of the
    // year (0-364) or the hour of the year (0-8759), as the last calculation summed them.
    std::vector<float> ResultSums;

    float& Sum(int series, int entry) { return ResultSums[static_cast<size_t>(series) * HourCount + entry]; }
    float Sum(int series, int entry) const { return ResultSums[static_cast<size_t>(series) * HourCount + entry]; }
    void ClearSums();

    // The scheme's record of the scheme file: the name, the flags, the rooms and the stored sums,
    // in the layout CRunTimeMgr describes. ReadFrom is false, with the scheme as far as it got,
    // when the bytes end early or a count or flag is impossible.
    bool ReadFrom(CRunTimeFileReader& in);
    void WriteTo(QByteArray& out) const;
};
