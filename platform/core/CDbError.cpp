#include "platform/core/CDbError.h"

#include <QSqlError>

namespace {
// SQLite's primary result codes; the extended codes carry them in their low byte.
QString Cause(int code)
{
    switch (code) {
    case 1: // SQLITE_ERROR: a statement the database cannot run
        return QStringLiteral("SQL语句执行失败");
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return QStringLiteral("数据库正被其他程序占用，请稍后再试");
    case 8: // SQLITE_READONLY
        return QStringLiteral("数据库文件或其所在文件夹是只读的，无法写入");
    case 10: // SQLITE_IOERR
        return QStringLiteral("读写数据库文件时发生磁盘错误");
    case 11: // SQLITE_CORRUPT
        return QStringLiteral("数据库文件已损坏");
    case 13: // SQLITE_FULL
        return QStringLiteral("磁盘空间已满，数据无法写入");
    case 14: // SQLITE_CANTOPEN
        return QStringLiteral("无法打开数据库文件");
    case 19: // SQLITE_CONSTRAINT
        return QStringLiteral("数据不符合数据库的约束（重复、为空或引用了不存在的记录）");
    case 26: // SQLITE_NOTADB
        return QStringLiteral("文件不是有效的数据库");
    default:
        return QStringLiteral("数据库操作失败");
    }
}
} // namespace

QString CDbError::Describe(const QSqlError& error)
{
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric);
    const QString cause = Cause(numeric ? (code & 0xff) : -1);
    const QString detail = !error.databaseText().isEmpty() ? error.databaseText() : error.driverText();
    return detail.isEmpty() ? cause : QStringLiteral("%1：%2").arg(cause, detail);
}
