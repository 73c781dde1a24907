#pragma once
#include <QString>
#include <QVariantList>

#include <memory>

class CDbConnection;
class CDbQuery;

// "System\Schedule_New.dat" of the program folder, the standard day, week and annual schedules,
// opened read-only on a connection of its own for the life of the object. The system upgrade and
// the refresh step of the project upgrade copy schedules from it.
class CStandardScheduleFile
{
public:
    // Raises Exception "系统找不到配置文件\n<path>" when the file is missing.
    CStandardScheduleFile();
    ~CStandardScheduleFile();
    CStandardScheduleFile(const CStandardScheduleFile&) = delete;
    CStandardScheduleFile& operator=(const CStandardScheduleFile&) = delete;

    // The file's full path, as the message about a missing file names it.
    static QString Path();
    // "系统找不到配置文件\n<path>", the message about a missing file of the program folder.
    static QString MissingFileMessage(const QString& path);

    CDbQuery& Query() { return *m_query; }

    // Copies the file's day schedule of that name into the DaySchedule table of the target query's
    // database, the columns both tables have, values as they are. False, and nothing written, when
    // the file has no day schedule of that name.
    bool CopyDaySchedule(CDbQuery& target, const QString& name);
    // The same, only when the target has no day schedule of that name yet.
    bool CopyMissingDaySchedule(CDbQuery& target, const QString& name);

private:
    std::unique_ptr<CDbConnection> m_connection;
    std::unique_ptr<CDbQuery> m_query;
};
