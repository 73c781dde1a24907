#include "report/CIndexCheckValues.h"

#include "model/CProjectData.h"
#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "report/CEnergyCheckData.h"
#include "report/EnergyChecks.h"

#include <QDate>

namespace {
// The index after "D", or -1 when it lies outside the table.
int VariableIndex(const QString& name)
{
    constexpr int kMaxDigits = 100;
    int i = 1;
    bool negative = false;
    if (i < name.size() && (name[i] == QLatin1Char('+') || name[i] == QLatin1Char('-')))
        negative = name[i++] == QLatin1Char('-');
    qint64 number = 0;
    for (int read = 0; i < name.size() && read < kMaxDigits; ++i, ++read) {
        const char16_t c = name[i].unicode();
        if (c < u'0' || c > u'9')
            break;
        number = qMin<qint64>(number * 10 + (c - u'0'), CIndexCheckValues::Count);
    }
    if (negative && number != 0)
        return -1;
    return number < CIndexCheckValues::Count ? static_cast<int>(number) : -1;
}
} // namespace

void CIndexCheckValues::Gather(const QString& buildingName, const CProjectData& project)
{
    m_values.fill(0);
    const int id = CEnergyCheckData::FindBuildingIdByName(buildingName);
    m_values[1] = TDM_Project::Current().QueryDouble(
        CSQLStatement(QStringLiteral("select OverGroundBuildingArea from Building where ID = ?"), {id}));
    m_values[4] = ComputeShapeCoefficient(buildingName, m_values[2], m_values[3]);

    const std::vector<double> ratio = ComputeWindowWallRatio(buildingName, false);
    for (int i = 0; i <= 8; ++i) {
        m_values[5 + i] = ratio[20 + i];
        m_values[14 + i] = ratio[30 + i];
    }
    m_values[23] = ratio[29];
    m_values[24] = ratio[39];

    const std::vector<double> window = ComputeOutsideWindowK(buildingName, false);
    for (int i = 0; i <= 8; ++i) {
        m_values[37 + i] = window[i];
        m_values[46 + i] = window[10 + i];
        m_values[55 + i] = window[20 + i];
        m_values[64 + i] = window[30 + i];
    }
    m_values[29] = window[9];
    m_values[30] = window[19];
    m_values[31] = window[29];
    m_values[32] = window[39];

    // Rows of the opaque check and the D of their K; each limit follows its K.
    const std::vector<double> wall = ComputeOutsideWallK(buildingName, false);
    const int wallIndex[OutsideWallRows] = {33, 25, 73, 77, 81, 83, 85};
    for (int row = 0; row < OutsideWallRows; ++row) {
        m_values[wallIndex[row]] = wall[row];
        m_values[wallIndex[row] + 1] = wall[OutsideWallRows + row];
    }

    SetText(QStringLiteral("PERSON1"), project.Designer);
    SetText(QStringLiteral("PERSON2"), project.Checker);
    SetText(QStringLiteral("PERSON3"), project.Examiner);
    SetText(QStringLiteral("NOW"), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
}

QString CIndexCheckValues::Answer(const QString& name) const
{
    if (name.startsWith(QLatin1Char('D'))) {
        const int index = VariableIndex(name);
        return FormatFloatTrimmed(QStringLiteral("0.00"), index < 0 ? 0.0 : m_values[index]);
    }
    return m_texts.Get(name);
}
