#include "climate/CHourlyWeatherFile.h"

#include "calclib/dizedozev.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CSavepoint.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr int kYearHours = 8760;

QByteArray ReadWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("不能读取文件%1\n%2").arg(path, file.errorString()));
    return file.readAll();
}

// "第n行有误：" and what is wrong, for a fault the library found on a line.
QString LineFault(int line, const QString& what)
{
    return QStringLiteral("第%1行有误：%2").arg(line).arg(what);
}

// What line n should hold: hour n − 1 of a 365-day year from 1 January 0:00.
QString ExpectedTime(int line)
{
    const int row = line - 1;
    const QDate date = QDate(2001, 1, 1).addDays(row / 24); // a year without 29 February
    return QStringLiteral("该行应为%1月%2日%3时的数据（全年8760行从1月1日0时起逐时排列，不含2月29日）。")
        .arg(date.month())
        .arg(date.day())
        .arg(row % 24);
}

// Area and city of a file name A_B_C.qsw; false when the name has fewer than two "_".
bool SplitAreaCity(const QString& fileName, QString& area, QString& city)
{
    const int first = fileName.indexOf(QLatin1Char('_'));
    if (first < 0)
        return false;
    const int second = fileName.indexOf(QLatin1Char('_'), first + 1);
    if (second < 0)
        return false;
    area = fileName.mid(first + 1, second - first - 1);
    const QString rest = fileName.mid(second + 1);
    city = rest.left(rest.indexOf(QLatin1Char('.')));
    return true;
}
} // namespace

QString CHourlyWeatherFile::Read(const QString& path, float* out8760x7)
{
    int32_t line = 0;
    switch (Read8760hData(QFile::encodeName(path).constData(), out8760x7, &line)) {
    case WeatherFileWhole:
        return QString();
    case WeatherFileShort:
        return QStringLiteral("只有%1行逐时数据，全年应有%2行。").arg(line - 1).arg(kYearHours);
    case WeatherFileLong:
        return LineFault(line, QStringLiteral("全年只有%1小时，第%1行之后不应再有数据。").arg(kYearHours));
    case WeatherFileFields:
        return LineFault(line, QStringLiteral("每行应依次为月、日、时、干球温度、湿球温度、水平面总辐射，"
                                              "以空格或制表符分隔。"));
    case WeatherFileTime:
        return LineFault(line, ExpectedTime(line));
    case WeatherFileDryBulb:
        return LineFault(line, QStringLiteral("干球温度应在%1℃至%2℃之间。")
                                   .arg(WeatherTemperatureMin)
                                   .arg(WeatherTemperatureMax));
    case WeatherFileWetBulb:
        return LineFault(
            line, QStringLiteral("湿球温度应不低于%1℃，且不高于干球温度。").arg(WeatherTemperatureMin));
    case WeatherFileIrradiance:
        return LineFault(line, QStringLiteral("水平面总辐射应在0至%1W/m²之间。").arg(WeatherIrradianceMax));
    default: {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("不能读取文件%1：%2").arg(path, file.errorString());
        return QStringLiteral("不能读取文件%1").arg(path);
    }
    }
}

bool CHourlyWeatherFile::Import()
{
    CTool& tool = CTool::Current();
    QString path;
    if (!tool.GetOpenFileName(QString(), QString::fromUtf8(Filter), path))
        return false;
    const QByteArray bytes = ReadWhole(path);
    const QString problem = Read(path, nullptr);
    if (!problem.isEmpty()) {
        tool.ShowMessageBox(QStringLiteral("注意"),
                            QStringLiteral("文件%1不是全年逐时气象数据，不能导入：\n%2").arg(path, problem),
                            6, 0);
        return false;
    }
    Data = bytes;
    Name = QFileInfo(path).fileName();
    return true;
}

bool CHourlyWeatherFile::Export() const
{
    if (Data.size() < 2)
        return false;
    QString path;
    if (!CTool::Current().GetSaveFileName(QString(), QString::fromUtf8(Filter), path))
        return false;
    path = EnsureSuffix(path, QString::fromLatin1(Suffix));
    // Written aside and renamed: a failed write leaves the file that was there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Data) != Data.size() || !file.commit())
        throw Exception(QStringLiteral("不能写入文件%1\n%2").arg(path, file.errorString()));
    return true;
}

bool CHourlyWeatherFile::Remove()
{
    if (Data.isEmpty())
        return false;
    Data.clear();
    Name.clear();
    return true;
}

QString CHourlyWeatherFile::SizeText() const
{
    return QStringLiteral("大小:%1字节").arg(Data.size());
}

int CHourlyWeatherFile::ImportFolder(const QString& folder, CDbQuery& query)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(
        {QStringLiteral("*.qsw")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    CSavepoint savepoint(query.ConnectionName());
    int filled = 0;
    QStringList refused;
    for (const QFileInfo& entry : entries) {
        QString area, city;
        if (!SplitAreaCity(entry.fileName(), area, city))
            continue;
        const CSQLStatement select(" select * From WeatherData where  Area = ? and City = ? ", {area, city});
        if (CTool::OpenQuery(query, select) <= 0)
            continue;
        const QString problem = Read(entry.filePath(), nullptr);
        if (!problem.isEmpty()) {
            refused << QStringLiteral("%1：%2").arg(entry.fileName(), problem);
            continue;
        }
        const QByteArray bytes = ReadWhole(entry.filePath());
        query.First();
        query.Edit();
        query.SetFieldValue(QStringLiteral("RIZARIR_WeatherData"), bytes);
        query.SetFieldValue(QStringLiteral("RIZARIR_WeatherName"), entry.fileName());
        query.Post();
        ++filled;
    }
    savepoint.Commit();
    if (!refused.isEmpty())
        CTool::Current().ShowMessageBox(
            QStringLiteral("注意"),
            QStringLiteral("以下文件不是全年逐时气象数据，未导入：\n%1").arg(refused.join(QLatin1Char('\n'))),
            6, 0);
    return filled;
}
