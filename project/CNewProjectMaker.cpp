#include "project/CNewProjectMaker.h"

#include "model/CMaterialParamNameList.h"
#include "model/CProjectData.h"
#include "model/CRoomOccupationCache.h"
#include "model/CSysRegistry.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CSQLStatement.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "project/CProjectLifecycleHostBase.h"
#include "project/CProjectTemplates.h"
#include "project/CStagedFiles.h"
#include "project/CSystemGlobalData.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <iterator>

namespace {

const CNewProjectMaker::LibraryDefault kLibraries[] = {
    {"BasementWall_Lib", "BasementWallName", true},
    {"BlindStorey_Lib", "BlindStoreyName", true},
    {"Ceiling_Lib", "CeilingName", true},
    {"Floor_Lib", "FloorName", true},
    {"GapWall_Lib", "GapWallName", true},
    {"GlassCurtainWall_Lib", "GlassCurtainWallName", true},
    {"GlassRoof_Lib", "GlassRoofName", true},
    {"Ground_Lib", "GroundName", true},
    {"InsideDoor_Lib", "InsideDoorName", true},
    {"InsideWall_Lib", "InsideWallName", true},
    {"InsideWindow_Lib", "InsideWindowName", true},
    {"OutsideDoor_Lib", "OutsideDoorName", true},
    {"OutsideWall_Lib", "OutsideWallName", true},
    {"OutsideWindow_Lib", "OutsideWindowName", true},
    {"ProjectionFloor_Lib", "ProjectionFloorName", false},
    {"Roof_Lib", "RoofName", false},
    {"SkyWindow_Lib", "SkyWindowName", true},
    {"RoomOccupation", "RoomUse", false},
    {"StoreyOccupation", "StoreyUse", false},
};

void ShowError(const QString& caption, const QString& text)
{
    CTool::Current().ShowMessageBox(caption, text, 6, 1);
}

// The columns both the project's and the system's table have, quoted for SQL.
QStringList SharedColumns(CDbQuery& query, const QString& table)
{
    auto columns = [&](const QString& schema) {
        QStringList names;
        OpenQueryGuarded(query,
                         CSQLStatement(QStringLiteral("pragma %1.table_info(\"%2\")").arg(schema, table)));
        for (query.First(); !query.Eof(); query.Next())
            names << query.AsString(QStringLiteral("name"));
        query.Close();
        return names;
    };
    const QStringList project = columns(QStringLiteral("main"));
    const QStringList system = columns(QStringLiteral("sys"));
    if (project.isEmpty() || system.isEmpty())
        throw Exception(QStringLiteral("工程或系统数据库缺少数据表%1，无法初始化新工程").arg(table));
    QStringList shared;
    for (const QString& name : project)
        if (system.contains(name, Qt::CaseInsensitive))
            shared << QStringLiteral("\"%1\"").arg(name);
    return shared;
}

// The ID a default value names; -1 when the value is not a whole number.
qint64 DefaultId(const QString& value)
{
    bool ok = false;
    const qint64 id = value.trimmed().toLongLong(&ok);
    return ok ? id : -1;
}

void CopyWholeTable(CDbQuery& query, const QString& table)
{
    const QString columns = SharedColumns(query, table).join(QLatin1Char(','));
    ExecQueryGuarded(query, CSQLStatement(QStringLiteral("delete from main.%1").arg(table)));
    ExecQueryGuarded(
        query,
        CSQLStatement(QStringLiteral("insert into main.%1 (%2) select %2 from sys.%1").arg(table, columns)));
}

// Copies the default record; returns the ID it has in the project.
qint64 CopyDefaultRecord(CDbQuery& query, const CNewProjectMaker::LibraryDefault& library, qint64 id)
{
    const QString table = QString::fromLatin1(library.Table);
    QStringList columns = SharedColumns(query, table);
    const QString all = columns.join(QLatin1Char(','));
    if (library.Envelope) {
        ExecQueryGuarded(query, CSQLStatement(QStringLiteral("delete from main.%1").arg(table)));
        ExecQueryGuarded(query, CSQLStatement(QStringLiteral("insert into main.%1 (%2) select %2 from sys.%1 "
                                                             "where ID = ?")
                                                  .arg(table, all),
                                              {id}));
        return id;
    }
    // A project record of the same name takes the system record's values and keeps its ID.
    OpenQueryGuarded(query,
                     CSQLStatement(QStringLiteral("select m.ID from main.%1 m, sys.%1 s where s.ID = ? "
                                                  "and m.Name = s.Name order by m.ID")
                                       .arg(table),
                                   {id}));
    if (!query.Eof()) {
        const qint64 projectId = query.Field(0).toLongLong();
        query.Close();
        columns.removeIf(
            [](const QString& c) { return c.compare(QStringLiteral("\"ID\""), Qt::CaseInsensitive) == 0; });
        const QString rest = columns.join(QLatin1Char(','));
        ExecQueryGuarded(query,
                         CSQLStatement(QStringLiteral("update main.%1 set (%2) = (select %2 from sys.%1 "
                                                      "where ID = ?) where ID = ?")
                                           .arg(table, rest),
                                       {id, projectId}));
        return projectId;
    }
    query.Close();
    OpenQueryGuarded(
        query, CSQLStatement(QStringLiteral("select count(*) from main.%1 where ID = ?").arg(table), {id}));
    const bool idTaken = query.Field(0).toInt() > 0;
    query.Close();
    if (!idTaken) {
        ExecQueryGuarded(query, CSQLStatement(QStringLiteral("insert into main.%1 (%2) select %2 from sys.%1 "
                                                             "where ID = ?")
                                                  .arg(table, all),
                                              {id}));
        return id;
    }
    columns.removeIf(
        [](const QString& c) { return c.compare(QStringLiteral("\"ID\""), Qt::CaseInsensitive) == 0; });
    const QString rest = columns.join(QLatin1Char(','));
    ExecQueryGuarded(query, CSQLStatement(QStringLiteral("insert into main.%1 (%2) select %2 from sys.%1 "
                                                         "where ID = ?")
                                              .arg(table, rest),
                                          {id}));
    OpenQueryGuarded(query, CSQLStatement("select last_insert_rowid()"));
    const qint64 newId = query.Field(0).toLongLong();
    query.Close();
    return newId;
}

} // namespace

const CNewProjectMaker::LibraryDefault* CNewProjectMaker::LibraryDefaults(int& count)
{
    count = static_cast<int>(std::size(kLibraries));
    return kLibraries;
}

QString CNewProjectMaker::DefaultLocation()
{
    const QString user = CProgramFolder::Resolve(QStringLiteral("User"));
    if (QFileInfo(user).isDir() || QDir().mkpath(user))
        return QDir::cleanPath(user);
    return QDir::cleanPath(CProgramFolder::Path());
}

QString CNewProjectMaker::ProjectFile(const QString& folder, const QString& fileName)
{
    return folder + QLatin1Char('/') + fileName + QStringLiteral(".VLZ");
}

QString CNewProjectMaker::MissingLibraryDefault(const QString& sysDataPath)
{
    CDbConnection connection(QStringLiteral("NewProjectDefaultsCheck"));
    connection.Open(sysDataPath);
    CDbQuery query(connection);
    auto valueOf = [&](const QString& name) {
        OpenQueryGuarded(query, CSQLStatement("select I_Value from Initialization where I_Name = ?", {name}));
        const QString value = query.Eof() ? QString() : query.Field(0).toString();
        query.Close();
        return value;
    };
    QString missing;
    for (const LibraryDefault& library : kLibraries) {
        const QString name = QString::fromLatin1(library.DefaultName);
        const QString value = valueOf(name);
        const qint64 id = DefaultId(value);
        int found = 0;
        if (id >= 0) {
            OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select count(*) from %1 where ID = ?")
                                                      .arg(QString::fromLatin1(library.Table)),
                                                  {id}));
            found = query.Field(0).toInt();
            query.Close();
        }
        if (found == 0) {
            missing = QStringLiteral("系统数据库的%1中没有缺省值%2所指的记录（ID：%3），无法新建空工程。\n"
                                     "请在系统参数库中重新设置该缺省值。")
                          .arg(QString::fromLatin1(library.Table), name,
                               value.isEmpty() ? QStringLiteral("空") : value);
            break;
        }
    }
    connection.Close();
    return missing;
}

void CNewProjectMaker::InitProjectFromSystemData(const QString& sysDataPath)
{
    TDM_Project& dm = TDM_Project::Current();
    if (!dm.ProjectCon.IsOpen())
        return;
    CDbQuery query(dm.ProjectCon);
    ExecQueryGuarded(query, CSQLStatement("attach database ? as sys", {sysDataPath}));
    try {
        CDbTransaction transaction(dm.ProjectCon);
        for (const char* table : {"Initialization", "Schedule", "DaySchedule", "WeekSchedule"})
            CopyWholeTable(query, QString::fromLatin1(table));
        CProgressScope progress(static_cast<int>(std::size(kLibraries)),
                                QStringLiteral("正在初始化材料数据..."));
        for (const LibraryDefault& library : kLibraries) {
            const QString name = QString::fromLatin1(library.DefaultName);
            OpenQueryGuarded(
                query, CSQLStatement("select I_Value from main.Initialization where I_Name = ?", {name}));
            const qint64 id = query.Eof() ? -1 : DefaultId(query.Field(0).toString());
            query.Close();
            OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select count(*) from sys.%1 where ID = ?")
                                                      .arg(QString::fromLatin1(library.Table)),
                                                  {id}));
            const bool present = query.Field(0).toInt() > 0;
            query.Close();
            if (!present)
                throw Exception(QStringLiteral("系统数据库的%1中没有缺省值%2所指的记录，无法初始化新工程")
                                    .arg(QString::fromLatin1(library.Table), name));
            const qint64 projectId = CopyDefaultRecord(query, library, id);
            if (projectId != id)
                ExecQueryGuarded(query,
                                 CSQLStatement("update main.Initialization set I_Value = ? where I_Name = ?",
                                               {QString::number(projectId), name}));
            progress.Step();
        }
        transaction.Commit();
    } catch (...) {
        query.Close();
        ExecQueryGuarded(query, CSQLStatement("detach database sys"));
        throw;
    }
    query.Close();
    ExecQueryGuarded(query, CSQLStatement("detach database sys"));
}

CNewProjectMaker::Result CNewProjectMaker::Create(const CNewProjectRequest& request,
                                                  const std::function<void(CProjectData&)>& fillParameters)
{
    if (request.FileName.trimmed().isEmpty())
        return Result::Refused;
    CSystemGlobalData& global = CSystemGlobalData::Current();
    const QString file = ProjectFile(request.Folder, request.FileName);
    if (global.IsProjectOpen() &&
        QFileInfo(file).absoluteFilePath() == QFileInfo(global.ProjectFilePath()).absoluteFilePath()) {
        ShowError(QStringLiteral("工程正在使用"), QStringLiteral("工程正在使用，请先关闭工程!!!"));
        return Result::Refused;
    }
    if (request.FromTemplate) {
        const QString problem = CProjectTemplates::NameProblem(request.TemplateName);
        if (!problem.isEmpty()) {
            ShowError(QStringLiteral("错误"), problem);
            return Result::Refused;
        }
    }
    const QString source = request.FromTemplate
                               ? CProjectTemplates::FileOf(request.TemplateName)
                               : CProgramFolder::Resolve(QStringLiteral("Project/ProjectModule.dat"));
    if (!QFileInfo(source).isFile()) {
        ShowError(QStringLiteral("错误"),
                  request.FromTemplate ? QStringLiteral("模板文件%1不存在，无法新建工程").arg(source)
                                       : QStringLiteral("空白工程文件%1不存在，无法新建工程").arg(source));
        return Result::Refused;
    }
    // Checked before anything is touched: a blank project must not be made with a default that
    // names no record.
    const QString sysData = TDM_SysParam::Current().SysDataPath();
    if (!request.FromTemplate) {
        const QString missing = MissingLibraryDefault(sysData);
        if (!missing.isEmpty()) {
            ShowError(QStringLiteral("错误"), missing);
            return Result::Refused;
        }
    }
    if (!QFileInfo(request.Folder).isDir() && !QDir().mkdir(request.Folder)) {
        ShowError(QStringLiteral("错误"), QStringLiteral("无法创建文件夹"));
        return Result::Refused;
    }
    const bool replacing = QFileInfo::exists(file);
    if (replacing) {
        if (CTool::Current().ShowMessageBox(QStringLiteral("工程已经存在"), QStringLiteral("是否覆盖?"), 9,
                                            2) != 6)
            return Result::Refused;
        global.OpenProject(QString());
    } else {
        CSysRegistry().InsertValue(QStringLiteral("ProjectFileName"), file);
    }
    // The old project stays whole until the new database lies complete beside it.
    CStagedFiles files;
    QString message;
    if (!files.Stage(source, file, message))
        throw Exception(QStringLiteral("无法新建工程，原有文件未作任何修改。\n%1").arg(message));
    if (replacing) {
        // The old project's CAD model and operating schemes would otherwise load as the new one's.
        for (const char* suffix : {".dat", ".rst"})
            files.StageRemoval(request.Folder + QLatin1Char('/') + request.FileName + QLatin1String(suffix));
        files.StageRemoval(CSystemGlobalData::CadFileName(file));
        files.StageRemoval(CProjectData::RunFileName(file));
    }
    if (!files.Commit(message))
        throw Exception(QStringLiteral("无法新建工程：%1").arg(message));
    if (replacing)
        QDir(request.Folder + QStringLiteral("/temp")).removeRecursively();
    QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);

    int storedVersion = 0;
    global.OpenProject(file, storedVersion, true);
    if (global.ProjectFilePath() != file)
        throw Exception(QStringLiteral("新工程%1未能打开").arg(file));
    // A new project is dated the day it is made; the dialog's date, when given, replaces it.
    global.ProjectData().DesignDate = QDate::currentDate();
    if (fillParameters)
        fillParameters(global.ProjectData());
    global.ProjectData().SaveProjectData();

    if (!request.FromTemplate) {
        InitProjectFromSystemData(sysData);
        TInitalizationManage::Current().Load(TDM_Project::Current().Initialization);
        // Library rows read while the project opened are stale now.
        ClearRoomOccupationCache();
        if (CMaterialParamNameList::Exists())
            CMaterialParamNameList::Current().ClearAll();
    }
    if (CProjectLifecycleHostBase* host = global.Host())
        host->RefreshMainWindow();
    CProjectData::MigrateProjectDefaults(TDM_Project::Current().Query);
    return request.FromTemplate ? Result::Template : Result::Blank;
}
