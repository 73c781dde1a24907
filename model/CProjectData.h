#pragma once
#include <QDate>
#include <QString>
#include <array>

class CDbQuery;

// What loading and saving the project parameters need from the layers above: the open project's
// file, the main window's coordinate actions and the operating schemes. The program installs one
// at start; without one there is no project path, no action to set and no scheme to load or save.
class CProjectDataHost
{
public:
    virtual ~CProjectDataHost() = default;
    // The open project's file; empty when no project is open.
    virtual QString ProjectFilePath() const = 0;
    // Checks the relative or the absolute coordinate action and unchecks the other.
    virtual void ShowCoordinateMode(bool relative) = 0;
    // Empties the operating schemes.
    virtual void ClearRunSchemes() = 0;
    // Reads the schemes from the file (which exists); a failure is the host's to report.
    virtual void LoadRunSchemeFile(const QString& fileName) = 0;
    // Writes the current schemes to the file, replacing it only once they are written whole, so a
    // failed write keeps the file as it was; raises on failure.
    virtual void SaveRunSchemeFile(const QString& fileName) = 0;
};

// The one row of table ProjectParameter: descriptive texts, unit system, coordinate mode, the
// calculation book's output settings, the design type, the last selected node, the project's
// coordinates and the months and days chosen for output. The program-wide instance, bound to the
// ProjectParameter query of TDM_Project, is installed with SetCurrent; short-lived instances (a
// preview of another file) are plain objects bound to their own query.
class CProjectData
{
public:
    static constexpr int Months = 12;
    static constexpr int Days = 365; // no 29 February

    CProjectData() = default;
    // Uninstalls the instance when it is the current one.
    ~CProjectData();
    CProjectData(const CProjectData&) = delete;
    CProjectData& operator=(const CProjectData&) = delete;

    // The program-wide instance; raises when none is installed.
    static CProjectData& Current();
    static bool Exists() { return s_current != nullptr; }
    static void SetCurrent(CProjectData* data) { s_current = data; }
    // The day that stands for no date, as stored: 1899-12-30.
    static QDate NoDate() { return QDate(1899, 12, 30); }

    CDbQuery* DataSet = nullptr; // not owned

    QString ProjectName;
    QString ProjectNumber;
    QString Owner;
    QString Designer;
    QString Checker;
    QString Examiner;
    QString NodeFullPath;        // node id, decimal text, of the node selected last
    QDate DesignDate = NoDate(); // NoDate() stands for no date

    int Unit = 0;           // 0 SI, otherwise engineering units
    int Coordinate = 0;     // 0 absolute, otherwise relative
    int OutputTo = 0;       // kept and written back
    int StatisticsType = 0; // 0 by air system, 1 by storey
    int TimePeriodType = 0; // 0 period TimeBeginning..TimeEnd, 1 moments around the peak
    int TimeBeginning = 0;  // hour index 0..23
    int TimeEnd = 23;
    int HourfromMaximumLoad = 12;
    int HourInterval = 2;
    int InRoomDesignParamType = 0;
    int DesignType = 3;
    int StatisticalStyle = 0;

    double X = 0, Y = 0, Z = 0;
    double X0 = 0, Y0 = 0, Z0 = 0; // Z0: elevation offset in coordinate mode

    // 1 chosen, 0 not; months from January, days of a 365-day year from 1 January.
    std::array<int, Months> MonthCheck{};
    std::array<int, Days> DayCheck{};
    std::array<int, Months> MonthCheck_Total{};
    std::array<int, Days> DayCheck_Total{};

    int yeartotal_fromtime = 0;
    int yeartotal_totime = 0;
    int yeartotal_output = 0;

    // Reads the parameters through DataSet, sets the coordinate actions and reloads the operating
    // schemes. The "maxtime" registry row, when present, sets MaxTime() to 24. Without a row in
    // ProjectParameter the fields stay as they are. Failed selects are shown by CTool; a column
    // that cannot be read (other than the yeartotal_ ones, which then become 7, 16, 1) raises and
    // ends the load, the fields read before it keeping their new values.
    void LoadProjectData();
    // Writes every field into the row (the update changes every row the table holds; a failure is
    // shown by CTool and saving goes on), then rewrites the operating-scheme file of the open
    // project.
    void SaveProjectData();
    // The fixed corrections of room uses, rooms, lighting and buildings that every new project gets,
    // run on the query's connection; the first failing statement raises
    // "执行数据发生异常:\n%s\n执行的语句:%s" and nothing of the run stays.
    static void MigrateProjectDefaults(CDbQuery& query);

    // The operating-scheme file of a project: its path with the extension replaced by ".run".
    static QString RunFileName(const QString& projectPath);

    // Hours per row of the hourly output tables, program-wide; 0 at start.
    static int MaxTime() { return s_maxTime; }
    static void SetMaxTime(int hours) { s_maxTime = hours; }

    // The layers above; null until installed.
    static void SetHost(CProjectDataHost* host) { s_host = host; }
    static CProjectDataHost* Host() { return s_host; }

private:
    static inline CProjectData* s_current = nullptr;
    static inline int s_maxTime = 0;
    static inline CProjectDataHost* s_host = nullptr;
};
