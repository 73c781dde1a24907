#include "app/controls/CNumberText.h"

#include <QString>
#include <cmath>

namespace CNumberText {

namespace {
bool HasBlankEnds(const QString& text)
{
    return text.isEmpty() || text.front().isSpace() || text.back().isSpace();
}
} // namespace

std::optional<double> ToDouble(const QString& text)
{
    if (HasBlankEnds(text))
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ToInt(const QString& text)
{
    if (HasBlankEnds(text))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace CNumberText
