#pragma once
#include "climate/CLIB_WeatherParameter.h"
#include "tests/model/ModelFixture.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <vector>

// A synthetic weather year as the hourly file holds it, with the daily mean dry bulb (℃) of every
// day worked out from the very values written.
struct SSyntheticYear
{
    QByteArray Text;
    std::vector<double> DailyMeanDryBulb; // 365
};
// 8760 lines; CR LF, mixed blanks and tabs, a seventh field the program ignores.
SSyntheticYear MakeSyntheticYear();

// The model fixture with the project weather bound to the project's WeatherParameter query and a
// private temporary folder (the hourly data pass through a file there).
class WeatherFixture : public ModelFixture
{
protected:
    WeatherFixture();
    ~WeatherFixture() override;

    // Writes the bytes to a file of the private folder and returns its path.
    QString WriteFile(const QString& name, const QByteArray& bytes);
    static QByteArray ReadFile(const QString& path);
    // Statements on the open project database.
    void ExecProject(const QStringList& statements);
    int ProjectCount(const QString& table);

    QTemporaryDir m_temp;
    QByteArray m_savedTmpDir;
    CLIB_WeatherParameter m_weather{&m_project.WeatherParameter};
};
