#include "upgrade/ProjectDatabaseUpgrade.h"

#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "upgrade/CProjectUpgradeChain.h"
#include "upgrade/CVersionControl.h"
#include "upgrade/ProjectBackup.h"
#include "upgrade/SystemDatabaseUpgrade.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <array>

namespace {
const char* const OutputOptionInsert =
    "insert into OutputOption (ID,OutputOptionName,FatherID,IsACLoadSimpleEstimation_Output,"
    "IsACLoadItemsEstimation_Output,IsACLoadIntelligentEstimation_Output,IsACLoadCalculation_Output,"
    "IsACLoadMonthlyCalculation_Output,IsACLoadDailyCalculation_Output,IsHeatingLoadCalculation_Output,"
    "IsHeatingLoadMonthlyCalculation_Output,IsHeatingLoadDailyCalculation_Output) "
    "values (?,?,?,?,?,?,?,?,?,?,?,?)";

// "No row" counts as 0.
int QueryCount(CDbQuery& query, const CSQLStatement& statement)
{
    OpenQueryGuarded(query, statement);
    return query.Eof() ? 0 : query.Field(0).toInt();
}

// The first field of the first row as a whole number; false when there is no row or no number.
bool QueryWholeNumber(CDbQuery& query, const CSQLStatement& statement, int& value, QString& text)
{
    OpenQueryGuarded(query, statement);
    if (query.Eof())
        return false;
    text = query.Field(0).toString();
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

void EnsureInitializationRow(CDbQuery& query, int id, const QString& name, const QString& nameType,
                             const QString& remark, const QString& valueList)
{
    if (QueryCount(query, {"select count(1) from Initialization where I_Name = ?", {name}}) > 0)
        return;
    ExecQueryGuarded(query, {"insert into Initialization (ID,I_Name,I_EditType,I_NameType,I_Remark,"
                             "I_ValueType,I_Value,I_ValueList) values(?,?,?,?,?,?,?,?)",
                             {id, name, 1, nameType, remark, 0, 0, valueList}});
}

// Corrections that every opened project receives, whatever its version; each is a plain update or
// an insert guarded by a count, so running them again changes nothing.
void RunStandingCorrections(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    ExecQueryGuarded(query, {"update OutputOption set OutputOptionName = ? where ID=?",
                             {QStringLiteral("屋顶热负荷"), 385}});
    ExecQueryGuarded(query, "update OutputOption set IsHeatingLoadDailyCalculation_Output = -1,"
                            "IsHeatingLoadMonthlyCalculation_Output=-1,IsACLoadDailyCalculation_Output=-1,"
                            "IsACLoadMonthlyCalculation_Output=-1 where ID=192");
    EnsureInitializationRow(query, 58, QStringLiteral("AreaTypeForCalIndex"), QStringLiteral("总体信息"),
                            QStringLiteral("计算负荷单位面积指标依据"), QStringLiteral("空调面积|建筑面积"));
    EnsureInitializationRow(query, 59, QStringLiteral("ContainSunSolarWinter"),
                            QStringLiteral("空调负荷计算"), QStringLiteral("冬季空调是否考虑太阳辐射"),
                            QStringLiteral("否|是"));
    EnsureCalcBookNoteOptions(context);
    const std::array<std::pair<int, QString>, 6> renames{{
        {197, QStringLiteral("夏季室内湿负荷(g/h)")},
        {206, QStringLiteral("冬季室内湿负荷(g/h)")},
        {315, QStringLiteral("夏季室内湿负荷(g/h)")},
        {323, QStringLiteral("冬季室内湿负荷(g/h)")},
        {481, QStringLiteral("室内湿负荷(g/h)")},
        {520, QStringLiteral("室内湿负荷(g/h)")},
    }};
    for (const auto& [id, name] : renames)
        ExecQueryGuarded(query, {"update OutputOption set OutputOptionName=? where ID=?", {name, id}});
    ExecQueryGuarded(query,
                     "update OutputOption set IsHeatingLoadCalculation_Output=-1,"
                     "IsHeatingLoadMonthlyCalculation_Output=-1,IsHeatingLoadDailyCalculation_Output=-1 "
                     "where ID=468 or ID=469");
}

void WriteProjectVersion(CVersionControl& context, int version)
{
    const int rows =
        ExecQueryGuarded(context.Query, {"update tbl_registry set f_value = ? where f_key='prjversion'",
                                         {QString::number(version)}});
    if (rows < 1)
        throw Exception(QStringLiteral("无法在 tbl_registry 中记录工程的数据库版本 %1。").arg(version));
}

// The lowest version a newer project may be opened with. A project that does not say is treated
// as needing its own version, so it is refused rather than read by a program that may not
// understand it.
int ReadOpenLowVersion(CVersionControl& context, int storedVersion)
{
    int version = 0;
    QString text;
    if (!QueryWholeNumber(context.Query, "select f_value from tbl_registry where f_key = 'BeOpenLowVersion'",
                          version, text))
        return storedVersion;
    return version;
}

// Table rebuilds inside a step drop and recreate tables; with foreign keys enforced, dropping a
// parent table would delete the rows of its children through their cascading links. The pragma
// has no effect inside a transaction, so it is set around the whole chain.
class CForeignKeysOff
{
public:
    explicit CForeignKeysOff(const CDbConnection& connection) : m_query(connection)
    {
        ExecQueryGuarded(m_query, "PRAGMA foreign_keys=OFF");
    }
    ~CForeignKeysOff()
    {
        if (m_restored)
            return;
        try {
            Restore();
        } catch (const Exception&) {
            // Only reached while the failure that ended the chain propagates; that one is reported.
        }
    }
    CForeignKeysOff(const CForeignKeysOff&) = delete;
    CForeignKeysOff& operator=(const CForeignKeysOff&) = delete;

    void Restore()
    {
        m_restored = true;
        ExecQueryGuarded(m_query, "PRAGMA foreign_keys=ON");
    }

private:
    CDbQuery m_query;
    bool m_restored = false;
};

void RunChain(CVersionControl& context, const CProjectUpgradeChain& chain)
{
    CForeignKeysOff foreignKeysOff(context.Connection);
    // The oldest format gets its version table together with the tree conversion, so that a
    // failed conversion leaves the database in the format a later opening recognises.
    const auto beforeStep = [&context](const CProjectUpgradeChain::SStep& step) {
        if (step.FirstVersion != CProjectUpgradeChain::NoRegistryVersion)
            return;
        ExecQueryGuarded(context.Query, "create table tbl_registry (f_key TEXT COLLATE NOCASE,f_value TEXT)");
        ExecQueryGuarded(context.Query, "insert into tbl_registry (f_key,f_value) values('prjversion','20')");
    };
    const auto finish = [&context, &chain] {
        ExecQueryGuarded(context.Query,
                         "update OutputOption set IsHeatingLoadCalculation_Output=-1 where ID=654");
        chain.Refresh(context);
    };
    chain.Run(context, context.Connection, context.StoredVersion, CurrentSchemaVersion, beforeStep, finish,
              [&context](int version) { WriteProjectVersion(context, version); });
    foreignKeysOff.Restore();
}

// The full backup is named after the project (its file name without the extension) and the
// release it came from, as in Office3.7.vlz.
QString FullBackupName(const QString& projectPath, int storedVersion)
{
    return QFileInfo(projectPath).completeBaseName() + GetVersionLabel(storedVersion) +
           QStringLiteral(".vlz");
}
} // namespace

int ReadProjectVersion(CVersionControl& context)
{
    if (QueryCount(context.Query, "select count(1) from sqlite_master where type = 'table' and "
                                  "name = 'tbl_registry' collate nocase") == 0)
        return CProjectUpgradeChain::NoRegistryVersion;
    int version = 0;
    QString text;
    if (QueryWholeNumber(context.Query, "select f_value from tbl_registry where f_key = 'prjversion'",
                         version, text))
        return version;
    if (context.Query.Eof())
        throw Exception(QStringLiteral("无法读取工程的数据库版本：tbl_registry 中没有 prjversion。"));
    throw Exception(
        QStringLiteral("无法读取工程的数据库版本：tbl_registry 中 prjversion 的值“%1”不是整数。").arg(text));
}

QString GetVersionLabel(int version)
{
    return version < 43 ? QStringLiteral("3.7") : QStringLiteral("4.0");
}

QString GetProgramVersionText(int requiredVersion)
{
    return requiredVersion == 51 ? QStringLiteral("4.0.106") : QStringLiteral("最新");
}

void EnsureCalcBookNoteOptions(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    if (QueryCount(query, "select count(1) from OutputOption where ID = 613") > 0)
        return;
    struct SOption
    {
        int id;
        const char* name;
        int fatherId;
        std::array<int, 9> flags; // design types 0 to 8
    };
    const std::array<SOption, 4> options{{
        {613, "计算书说明", 0, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {614, "冬季得热修正系数", 613, {-1, -1, -1, 1, -1, -1, -1, -1, -1}},
        {615, "冬季空调负荷是否采用稳态计算法", 613, {-1, -1, 1, 1, -1, -1, -1, -1, -1}},
        {616, "新风负荷是否采用稳态计算法 ", 613, {-1, -1, 1, 1, -1, -1, -1, -1, -1}},
    }};
    for (const SOption& option : options) {
        QVariantList values{option.id, QString::fromUtf8(option.name), option.fatherId};
        for (int flag : option.flags)
            values << flag;
        ExecQueryGuarded(query, {OutputOptionInsert, values});
    }
}

int UpgradeProjectDatabase(CDbConnection& projectCon, CDbQuery& query, int& storedVersion, bool newProject,
                           QString* backupWarning)
{
    return UpgradeProjectDatabase(projectCon, query, storedVersion, newProject,
                                  CProjectUpgradeChain::Program(), backupWarning);
}

int UpgradeProjectDatabase(CDbConnection& projectCon, CDbQuery& query, int& storedVersion, bool newProject,
                           const CProjectUpgradeChain& chain, QString* backupWarning)
{
    CVersionControl context{query, projectCon, newProject};
    // Every project, of the oldest format too, has its parameter table; without it the version
    // would read as that of the oldest format.
    if (QueryCount(query, "select count(1) from sqlite_master where type = 'table' and "
                          "name = 'ProjectParameter' collate nocase") == 0)
        throw Exception(QStringLiteral("“%1”不是工程文件（文件是空的，或其中没有工程数据），无法打开。")
                            .arg(QDir::toNativeSeparators(projectCon.FileName())));
    context.StoredVersion = ReadProjectVersion(context);
    storedVersion = context.StoredVersion;
    const int version = context.StoredVersion;

    if (version > CurrentSchemaVersion) {
        const int openLow = ReadOpenLowVersion(context, version);
        if (openLow > CurrentSchemaVersion)
            return openLow;
        CDbTransaction transaction(projectCon);
        RunStandingCorrections(context);
        transaction.Commit();
        return 0;
    }

    const QString projectPath = projectCon.FileName();
    if (version == CurrentSchemaVersion) {
        // The rolling backup is a safety net, not a condition of opening: nothing is changed but
        // the standing corrections.
        QString reason;
        if (!backupWarning)
            BackupProjectFile(projectPath, QString());
        else if (!TryBackupProjectFile(projectPath, QString(), QDateTime::currentDateTime(), reason))
            *backupWarning =
                QStringLiteral("打开工程时未能备份工程文件，工程照常打开，但这次没有备份。\n") + reason;
        CDbTransaction transaction(projectCon);
        RunStandingCorrections(context);
        if (chain.Refresh)
            chain.Refresh(context);
        transaction.Commit();
        return 0;
    }

    if (!chain.CanUpgradeFrom(version))
        throw Exception(
            QStringLiteral("此工程的数据库版本为%1，本程序不能将其升级到版本%2，工程未作任何修改。")
                .arg(version)
                .arg(CurrentSchemaVersion));
    BackupProjectFile(projectPath, FullBackupName(projectPath, version));
    {
        CDbTransaction transaction(projectCon);
        RunStandingCorrections(context);
        transaction.Commit();
    }
    RunChain(context, chain);
    return -1;
}
