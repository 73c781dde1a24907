#include "project/CProjectTemplates.h"

#include "model/TDM_SysParam.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CSQLStatement.h"
#include "platform/core/CTool.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

QString CProjectTemplates::NameProblem(const QString& name)
{
    const QString shown = name.size() > 40 ? name.left(40) + QStringLiteral("…") : name;
    if (name.trimmed().isEmpty())
        return QStringLiteral("模板名称不能为空。");
    const bool control =
        std::any_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || control ||
        name == QStringLiteral(".") || name == QStringLiteral(".."))
        return QStringLiteral(
                   "模板名称“%1”不能用作文件名：名称中不能含有“/”、“\\”或控制字符，也不能是“.”或“..”。"
                   "请换一个名称。")
            .arg(shown);
    if (QFile::encodeName(name + QStringLiteral(".MDU")).size() > 255)
        return QStringLiteral("模板名称“%1”太长，不能用作文件名。请换一个短些的名称。").arg(shown);
    return QString();
}

QString CProjectTemplates::FileOf(const QString& name)
{
    if (!NameProblem(name).isEmpty())
        return QString();
    return CProgramFolder::Resolve(QStringLiteral("Module")) + QLatin1Char('/') + name +
           QStringLiteral(".MDU");
}

QStringList CProjectTemplates::List()
{
    CDbQuery& query = TDM_SysParam::Current().Module;
    OpenQueryGuarded(query, CSQLStatement("select ID, Name from ModuleData order by ID"));
    QStringList names;
    QList<qint64> gone;
    for (query.First(); !query.Eof(); query.Next()) {
        const QString name = query.AsString(QStringLiteral("Name"));
        // A name that cannot be a file name has no file either.
        if (!QFileInfo(FileOf(name)).isFile())
            gone << query.Field(0).toLongLong();
        else if (!names.contains(name))
            names << name;
    }
    query.Close();
    for (qint64 id : gone)
        ExecQueryGuarded(query, CSQLStatement("delete from ModuleData where ID = ?", {id}));
    query.Close();
    return names;
}

bool CProjectTemplates::Exists(const QString& name)
{
    CDbQuery& query = TDM_SysParam::Current().Module;
    OpenQueryGuarded(query, CSQLStatement("select count(*) from ModuleData where Name = ?", {name}));
    const bool found = query.Field(0).toInt() > 0;
    query.Close();
    return found;
}

bool CProjectTemplates::Make(const QString& name, const QString& projectFile, QString& message)
{
    message = NameProblem(name);
    if (!message.isEmpty())
        return false;
    const QString folder = CProgramFolder::Resolve(QStringLiteral("Module"));
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
        CTool::Current().ShowMessageBox(QStringLiteral("错误"), QStringLiteral("无法创建文件夹"), 6, 1);
        return false;
    }
    const QString target = FileOf(name);
    if (QFileInfo::exists(target))
        QFile::remove(target);
    if (!QFile::copy(projectFile, target)) {
        message = QStringLiteral("无法将当前工程复制为模板文件%1").arg(target);
        return false;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    const QString date = now.time() == QTime(0, 0) ? locale.toString(now.date(), QLocale::ShortFormat)
                                                   : locale.toString(now, QLocale::ShortFormat);
    CDbQuery& query = TDM_SysParam::Current().Module;
    ExecQueryGuarded(query, CSQLStatement("insert into ModuleData (Name, Date) values (?, ?)", {name, date}));
    query.Close();
    return true;
}
