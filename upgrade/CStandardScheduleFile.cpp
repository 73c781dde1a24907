#include "upgrade/CStandardScheduleFile.h"

#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "upgrade/SchemaStatements.h"

#include <QDir>
#include <QFileInfo>

CStandardScheduleFile::CStandardScheduleFile()
{
    const QString path = Path();
    if (!QFileInfo(path).isFile())
        throw Exception(MissingFileMessage(path));
    static int counter = 0;
    m_connection = std::make_unique<CDbConnection>(QStringLiteral("standard_schedules_%1").arg(++counter));
    m_connection->Open(path);
    m_query = std::make_unique<CDbQuery>(*m_connection);
}

CStandardScheduleFile::~CStandardScheduleFile()
{
    m_query.reset();
    m_connection.reset();
}

QString CStandardScheduleFile::Path()
{
    return QDir::toNativeSeparators(CProgramFolder::Resolve(QStringLiteral("System\\Schedule_New.dat")));
}

QString CStandardScheduleFile::MissingFileMessage(const QString& path)
{
    return QStringLiteral("系统找不到配置文件\n") + path;
}

bool CStandardScheduleFile::CopyDaySchedule(CDbQuery& target, const QString& name)
{
    CDbQuery& source = *m_query;
    OpenQueryGuarded(source, {"select * from DaySchedule where DayScheduleName = ?", {name}});
    if (source.Eof())
        return false;
    const QStringList targetColumns = SchemaStatements::TableColumns(target, QStringLiteral("DaySchedule"));
    QStringList columns;
    QStringList marks;
    QVariantList values;
    for (int i = 0; i < source.FieldCount(); ++i) {
        const QString field = source.FieldNames().at(i);
        if (!targetColumns.contains(field, Qt::CaseInsensitive))
            continue;
        columns << '[' + field + ']';
        marks << QStringLiteral("?");
        values << source.Field(i);
    }
    ExecQueryGuarded(
        target,
        {QStringLiteral("insert into DaySchedule (%1) values(%2)").arg(columns.join(','), marks.join(',')),
         values});
    return true;
}

bool CStandardScheduleFile::CopyMissingDaySchedule(CDbQuery& target, const QString& name)
{
    OpenQueryGuarded(target, {"select count(*) from DaySchedule where DayScheduleName = ?", {name}});
    if (target.Field(0).toInt() > 0)
        return false;
    return CopyDaySchedule(target, name);
}
