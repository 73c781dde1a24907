#pragma once
#include <optional>

class QString;

// The number conversions of the typed input controls: the whole text must convert, without
// surrounding blanks; a decimal takes an optional sign, "." and an optional exponent.
// Infinity and NaN texts do not convert.
namespace CNumberText {
std::optional<double> ToDouble(const QString& text);
std::optional<int> ToInt(const QString& text);
} // namespace CNumberText
