#include "tests/climate/WeatherFixture.h"

#include <QFile>
#include <cmath>

SSyntheticYear MakeSyntheticYear()
{
    static const int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    SSyntheticYear year;
    year.DailyMeanDryBulb.reserve(365);
    int dayOfYear = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= kMonthDays[month - 1]; ++day, ++dayOfYear) {
            long tenthsSum = 0;
            for (int hour = 0; hour < 24; ++hour) {
                // Whole tenths of a degree, so the mean of the written texts is known exactly.
                const int seasonal =
                    static_cast<int>(std::lround(120 * std::sin(2 * M_PI * (dayOfYear - 100) / 365.0)));
                const int daily = static_cast<int>(std::lround(50 * std::sin(2 * M_PI * (hour - 9) / 24.0)));
                const int tenths = 100 + seasonal + daily + (dayOfYear * 7 + hour * 3) % 11;
                tenthsSum += tenths;
                const double irradiance =
                    hour > 6 && hour < 18 ? 800 * std::sin(M_PI * (hour - 6) / 12.0) : 0;
                year.Text += QStringLiteral("%1 %2\t%3  %4\t%5 %6 99\r\n")
                                 .arg(month)
                                 .arg(day)
                                 .arg(hour)
                                 .arg(tenths / 10.0, 0, 'f', 1)
                                 .arg((tenths - 30) / 10.0, 0, 'f', 1)
                                 .arg(irradiance, 0, 'f', 1)
                                 .toLatin1();
            }
            year.DailyMeanDryBulb.push_back(tenthsSum / 240.0);
        }
    }
    return year;
}

WeatherFixture::WeatherFixture() : m_savedTmpDir(qgetenv("TMPDIR"))
{
    // Test processes run side by side; each sees only its own temporary files.
    qputenv("TMPDIR", m_temp.path().toLocal8Bit());
}

WeatherFixture::~WeatherFixture()
{
    if (m_savedTmpDir.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", m_savedTmpDir);
}

QString WeatherFixture::WriteFile(const QString& name, const QByteArray& bytes)
{
    const QString path = m_temp.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QByteArray WeatherFixture::ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WeatherFixture::ExecProject(const QStringList& statements)
{
    CDbQuery query(m_project.ProjectCon);
    for (const QString& sql : statements)
        ExecQueryGuarded(query, CSQLStatement(sql));
}

int WeatherFixture::ProjectCount(const QString& table)
{
    return ProjectColumn(QStringLiteral("select count(*) from ") + table).value(0).toInt();
}
