#pragma once
#include "model/CRegistry.h"
#include "platform/core/CMyList.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <utility>
#include <vector>

class CBaseData;
class CCalculate_Manager;
class CCalculate_Room;
class CCalculate_Storey;
class CElementBase;
class CRoom;
struct SBookDetailTable;
class CHeatingLoadBookBase;
class CHourlyLoadTable;
class CLIB_LayeredConstruction;
class COutputParams;
class CQORReport;

// The load calculation book of one calculate-and-output run: a main report ("lib\Report\main.grf")
// with the cover and every section whose output option is ticked for the current design type hung
// below it, in a fixed order, numbered "一、", "二、" ... over the sections present. The book owns
// every report it makes (ReportList, DetailReportList) until it is destroyed; it reads the
// calculation structure of the manager, which must be built and outlive the book.
//
// Needs, while it assembles: the output options (COutputParams), the project parameters, data
// modules, default values and name lists of the open project, the project weather, and a
// progress reporter (CCalMsgOutput) whose stop flag it honours after every section.
class CCalculationBook
{
public:
    explicit CCalculationBook(CCalculate_Manager& manager);
    ~CCalculationBook();
    CCalculationBook(const CCalculationBook&) = delete;
    CCalculationBook& operator=(const CCalculationBook&) = delete;

    // Lays the book out and returns its main report. A stop returns the sections built so far;
    // a failure in a section adds "系统发生异常，请与我们联系,谢谢!!!" to the error category, shows
    // the failure and returns the book as built until then.
    CQORReport* OutputCalculationBook();

    // Section builders: each asks its own option and returns null when it is not ticked; the
    // report returned is owned by ReportList. The cover is always built and takes no number.
    CQORReport* BuildCoverSection();
    CQORReport* BuildProjectInfoSection();
    CQORReport* BuildWeatherSection();
    CQORReport* BuildIndoorDesignSection();
    CQORReport* BuildEnvelopeSection();
    CQORReport* BuildFormulaSection();

    // The detailed input tables: one report per ticked kind that received rows, in DetailReportList
    // (emptied first); nothing at all when option 80 is not ticked.
    void BuildDetailedInputTables();
    // The load statistics table of the design type (option 192), calculating the rooms whose own,
    // storey's or building's statistics flag is on; null when not ticked or stopped.
    CQORReport* BuildLoadStatisticsSection();
    // The hourly load tables (option 310) of the flagged buildings, storeys and rooms; null when
    // not ticked, stopped, or no month or day is chosen for the monthly and daily types.
    CQORReport* BuildHourlyLoadSection();
    // The closing sections; each null when its option is not ticked or it has nothing to print.
    CQORReport* BuildConditionAnalysisSection();
    CQORReport* BuildStoreyGroupSection();
    CQORReport* BuildReturnAirSystemSection();
    CQORReport* BuildFreshAirSystemSection();
    CQORReport* BuildRemarksSection();

    // The rows of one construction at EncloseRowCounter, which advances by the rows written:
    // summer and winter for the cooling design types, winter alone for heating. A K of 0 gives a
    // thermal resistance of 0.
    void AddEnvelopeRows(const QString& kindText, const CLIB_LayeredConstruction& record, CQORReport& report);
    void AddGlazingRows(const QString& kindText, const QString& name, float summerK, float winterK,
                        CQORReport& report);
    // Ground and basement-wall rows; basement walls print D as well.
    void AddGroundRows(const QString& kindText, const QString& name, double deta, double summerK,
                       double winterK, const double* d, CQORReport& report);

    // The heating-load calculation book of the manager's calculation, filled and previewed; null
    // while the program has none (CHeatingLoadBookBase).
    static std::unique_ptr<CHeatingLoadBookBase> BuildHeatingLoadBook(CCalculate_Manager& manager);

    // "%s、%s": the numeral of SectionCounter and the caption; SectionCounter then moves on.
    QString NumberedTitle(const QString& caption);

    int SectionCounter = 0;
    CMyList<CQORReport> ReportList{true};
    CMyList<CQORReport> DetailReportList{true};
    CQORReport* BookReport = nullptr;
    int EncloseRowCounter = 0;
    // Field names of the envelope table that rows have written through their options.
    QStringList UsedFieldNames;

private:
    // A report of the book from the template under the program folder (none for an empty path),
    // printed landscape when the section key of the "Landscape" settings reads 1.
    CQORReport* NewSectionReport(const char* templatePath, const char* landscapeKey);
    CQORReport* NewReport(const char* templatePath);
    // The subtitle page that opens entries 6 and 8.
    CQORReport* BuildSubtitlePage(const QString& caption);
    // The steps of the design type that get rows or tables (step index, date text of the label):
    // step 0 without a date for the single-record types, the flagged months (months, January
    // first) of the monthly types, the flagged days (days, 1 January first) of the daily types.
    static std::vector<std::pair<int, QString>> ChosenSteps(int designType, const std::array<int, 12>& months,
                                                            const std::array<int, 365>& days);
    // Makes the storey current with its elevation, as the room calculation expects.
    void EnterStatisticsStorey(CCalculate_Storey& storey);
    // The rooms of the structure with their air system of the room column, as the two system
    // sections list them.
    CQORReport* BuildAirSystemSection(bool primary);
    // Design type 3: the table "大楼汇总" of the summed hourly-flagged buildings, when there are two
    // or more.
    void WriteHourlySummary(CHourlyLoadTable& table, bool oneArea);
    // Detailed input tables: the tables of one call with their row counters.
    struct SDetailOpen;
    struct SDetailTables;
    void WriteDetailRows(SDetailTables& tables, CCalculate_Room& room, const CRoom& element, const QString& path);
    void WritePeopleRow(SDetailOpen& table, const CBaseData& entry, const CRoom& room, const QString& path);
    void WriteLightingRow(SDetailOpen& table, const CBaseData& entry, const QString& path);
    void WriteDetailRow(SDetailOpen& table, const SBookDetailTable& kind, const CBaseData& entry,
                        const QString& owner);
    // Begin and end columns of a people or lighting row, from the element's schedule.
    void WriteHourColumns(CQORReport& report, int row, const CElementBase& element, int beginOption, int endOption,
                          int beginColumn);
    // The first and last hour the schedule is on during the design day of the design type.
    void ScheduleHours(const QString& name, int& begin, int& end);
    // "System Error ID:%d Did not handle" in the error category, once per option and book.
    void ReportUnhandledOption(int option);
    // Adds a section built by an ordinary entry; false when the run was stopped.
    bool AddSection(CQORReport* report);
    void Assemble();
    // True for the cooling design types 0 to 5.
    static bool CoolingDesignType();
    // The main line of the progress window, when there is one.
    static void Progress(const QString& text);
    // Whether the options 68 to 78 of the envelope table's eleven columns are ticked.
    static constexpr int kEnvelopeColumns = 11;
    std::array<bool, kEnvelopeColumns> EnvelopeColumns();
    // Cell writers that mark the envelope field used.
    void EnvelopeCell(CQORReport& report, int row, int column, const QString& text, bool declare);
    void EnvelopeValue(CQORReport& report, int row, int column, double value, bool declare);

    CCalculate_Manager& m_manager;
    COutputParams& m_options;
    CRegistry m_landscape;
    bool m_firstSection = true;
    QSet<int> m_reportedErrorIds;
};
