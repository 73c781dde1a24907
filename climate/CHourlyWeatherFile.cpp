#include "climate/CHourlyWeatherFile.h"

#include "calclib/dizedozev.h"
#include "platform/core/CSavepoint.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

namespace {
constexpr int kYearHours = 8760;
constexpr int kColumns = 7;

QByteArray ReadWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("不能读取文件%1\n%2").arg(path, file.errorString()));
    return file.readAll();
}

// The reason a file is not a whole year, or empty when it is one.
QString CheckWholeYear(const QString& path)
{
    std::vector<float> hours(kYearHours * kColumns);
    return CHourlyWeatherFile::Read(path, hours.data());
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
    const int hours = Get8760hData(QFile::encodeName(path).constData(), out8760x7);
    if (hours >= kYearHours)
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("不能读取文件%1：%2").arg(path, file.errorString());
    const QByteArray bytes = file.readAll();
    const int lines = static_cast<int>(bytes.count('\n')) + (bytes.isEmpty() || bytes.endsWith('\n') ? 0 : 1);
    if (hours < lines)
        return QStringLiteral("第%1行有误：每行应依次为月、日、时、干球温度、湿球温度、水平面总辐射，"
                              "以空格或制表符分隔。")
            .arg(hours + 1);
    return QStringLiteral("只有%1行逐时数据，全年应有8760行。").arg(hours);
}

bool CHourlyWeatherFile::Import()
{
    CTool& tool = CTool::Current();
    QString path;
    if (!tool.GetOpenFileName(QString(), QString::fromUtf8(Filter), path))
        return false;
    const QByteArray bytes = ReadWhole(path);
    const QString problem = CheckWholeYear(path);
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
        const QString problem = CheckWholeYear(entry.filePath());
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
