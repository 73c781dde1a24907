#pragma once
#include <QString>
#include <array>

class CDbQuery;

// One day schedule (a row of table DaySchedule): a name and 24 hourly values in percent, hour 0 to
// 23 as stored. The object owns no connection: it reads and writes through DataSet, which its user
// sets before the first call; the connection of that query decides the database.
class CDayScheduleData
{
public:
    static constexpr int Hours = 24;

    QString Name;
    std::array<float, Hours> Values{}; // percent, 0 to 100
    CDbQuery* DataSet = nullptr;       // not owned

    // Reads the row of that name (names compare without regard to letter case), or with an empty
    // name the current row of DataSet without running a statement. A name without a row, and a
    // select that CTool reported as failed, leave the object unchanged; false then.
    bool Load(const QString& name);
    // Writes the object into the row named key and posts it; with an empty key into the current
    // row of DataSet, which the caller has put into edit or insert mode and posts itself. False
    // when no row bears the key (nothing written). Errors of the data set raise Exception.
    bool Save(const QString& key);

    // The column of an hour: "Value_0" .. "Value_23".
    static QString ValueColumn(int hour);

private:
    void ReadCurrentRow();
};
