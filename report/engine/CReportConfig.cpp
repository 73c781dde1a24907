#include "report/engine/CReportConfig.h"

#include <climits>

int GetReportConfigInt(const CReportConfig* settings, const QString& name, int defaultValue)
{
    if (!settings || !settings->m_Values.Contains(name))
        return defaultValue;
    const QString text = settings->m_Values.Get(name);
    int i = 0;
    while (i < text.size() &&
           (text.at(i) == QLatin1Char(' ') || (text.at(i).unicode() >= 9 && text.at(i).unicode() <= 13)))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    while (i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')) {
        if (value < 10000000000LL)
            value = value * 10 + (text.at(i).unicode() - '0');
        ++i;
    }
    return static_cast<int>(qBound<long long>(static_cast<long long>(INT_MIN), negative ? -value : value,
                                              static_cast<long long>(INT_MAX)));
}
