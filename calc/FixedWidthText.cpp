#include "calc/FixedWidthText.h"

#include "model/NameTables.h"
#include "platform/core/CGbkCodec.h"

#include <cmath>

QString PadTextFixedWidth(int width, const QString& text, int alignment)
{
    const int length = static_cast<int>(CGbkCodec::ToGbk(text).size());
    if (length >= width)
        return QLatin1Char(' ') + text + QLatin1Char(' ');
    const int blanks = width - length;
    switch (alignment) {
    case -1:
        return text + QString(blanks, QLatin1Char(' '));
    case 0:
        return QString(blanks / 2, QLatin1Char(' ')) + text + QString(blanks - blanks / 2, QLatin1Char(' '));
    case 1:
        return QString(blanks, QLatin1Char(' ')) + text;
    default:
        return QString(width, QLatin1Char(' '));
    }
}

QString FormatFloatFixedWidth(int width, float value, int alignment, int decimals)
{
    // DecimalFormat checks the number of decimals.
    const QString format = DecimalFormat(decimals);
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(static_cast<double>(value) * scale) / scale;
    if (rounded == 0.0)
        rounded = 0.0; // no "-0"
    QString text = QString::number(rounded, 'f', decimals);
    if (format.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return PadTextFixedWidth(width, text, alignment);
}
