#pragma once
#include "calc/CRunTimeSchemeSourceBase.h"
#include "calc/RunTimeSys.h"
#include "platform/core/CCurrent.h"

#include <QStringList>
#include <memory>
#include <vector>

class CCalculate_Manager;
class CRoomLoadEngineBase;

// The operating schemes of the open project. One exists for the whole run, registered as the
// current manager and as the scheme source of the daily calculation; the project lifecycle empties
// it and fills it from "<project>.run" at every load of the project parameters and writes it back
// at every save. Dialogs change the schemes in memory only.
//
// Two lists of equal length: the schemes and their names. AddScheme and RenameScheme keep name i
// equal to the Name of scheme i; a file stores both, and lookups by name use the list.
//
// The scheme file: little-endian int32 scheme count, then per scheme its record (RunTimeSys):
//   int32 byte count + GBK name; 8,760 flag bytes (0/1, day after day, hours 0-23);
//   int32 room count + that many int32 node ids; 365 x 4 float32 (day d of the series 0-3);
// followed by int32 byte count + GBK list name. Bytes after the last scheme are ignored.
class CRunTimeMgr : public CCurrent<CRunTimeMgr>, public CRunTimeSchemeSourceBase
{
public:
    static constexpr const char* SlotName = "CRunTimeMgr";
    using CCurrent<CRunTimeMgr>::Current;
    using CCurrent<CRunTimeMgr>::Exists;

    // Where an operating hour adds into the result series: its month, its day or its hour of the
    // year.
    enum ESummaryKind { ByMonth = 0, ByDay = 1, ByHour = 2 };
    static const QString CsvHeader;

    CRunTimeMgr();
    ~CRunTimeMgr() override;
    CRunTimeMgr(const CRunTimeMgr&) = delete;
    CRunTimeMgr& operator=(const CRunTimeMgr&) = delete;

    int Count() const { return static_cast<int>(m_schemes.size()); }
    // The scheme whose list name is exactly the name (the first one); null when none is.
    RunTimeSys* GetScheme(const QString& name) const;
    // Null for an index outside 0..Count()-1.
    RunTimeSys* SchemeAt(int index) const;
    QString ListName(int index) const { return m_names.value(index); }
    // The first scheme, in list order, that lists the room's node id; null when none does.
    RunTimeSys* FindSchemeOfRoom(int nodeId) const;
    // Whether a scheme other than except is listed under the name, letter case ignored.
    bool HasName(const QString& name, const RunTimeSys* except = nullptr) const;

    // Appends the scheme under the name and takes it. A name already listed (letter case ignored)
    // is refused with "使用了相同的模式名称"; the scheme then stays with the caller.
    bool AddScheme(const QString& name, std::unique_ptr<RunTimeSys>& scheme);
    // Nothing for a name that is not listed.
    void DeleteScheme(const QString& name);
    void RenameScheme(const QString& oldName, const QString& newName);
    void Clear();

    // Appends the schemes of the file. A file that cannot be read, or that is truncated or
    // damaged, empties the schemes and tells the user ("运行模式读取错误"); false then. A file of
    // fewer than 4 bytes holds no scheme.
    bool LoadSchemeFile(const QString& path);
    // Writes every scheme (none: the count 0) beside the file and moves it into place, so that a
    // failed write keeps the previous file; raises Exception naming the file on failure.
    void SaveSchemeFile(const QString& path) const;
    QByteArray SchemeFileBytes() const;

    // While the scheme mode is on: the flags of the current scheme when it lists the room (a room
    // in two schemes is calculated with the one being calculated), else those of the first scheme
    // that lists it.
    const unsigned char* SchemeFlagsOfRoom(int roomNodeId) const override;

    // --- Calculation (CRunTimeMgr_Calculation.cpp). They need the current result pool, the
    // project tree and the current calculation host, which holds the scheme mode and the current
    // scheme name.
    // Calculates every scheme and writes them all into the CSV file (GBK, CR LF): per scheme its
    // name, CsvHeader and one row per month, day or operating hour. Then says "成功导出" and opens
    // the file. False, with no file written, when a scheme failed or the user stopped the run.
    // Raises when the file cannot be written.
    bool ExportSchemeCsv(const QString& path, int kind);
    // True when every scheme was calculated.
    bool CalculateAllSchemes(int kind);
    // Sums the daily loads of the scheme's rooms over its operating hours into its series
    // (magnitudes: heating counts positive). A room id that names no node fails with "计算错误。";
    // ids of other nodes are skipped; a room that failed or was stopped fails without a message.
    bool CalculateScheme(RunTimeSys& scheme, CCalculate_Manager& manager, int kind);
    // The rows of the scheme's series: 12 months, 365 days or one per operating hour.
    static void WriteSchemeRows(QStringList& lines, const RunTimeSys& scheme, int kind);

    // The room engine of the calculations in place of the manager's own (not owned).
    void SetRoomEngine(CRoomLoadEngineBase* engine) { m_roomEngine = engine; }

private:
    std::vector<std::unique_ptr<RunTimeSys>> m_schemes;
    QStringList m_names;
    CRoomLoadEngineBase* m_roomEngine = nullptr;
};
