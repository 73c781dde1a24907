#pragma once
#include <QString>
#include <optional>

class TControlEdit;

// The number of an edit of the energy-check dialogs. A text that is no number of at least 0 is
// refused: the warning names the value ("“南”的“透明部分面积(m^2)”"), the edit takes the focus
// with its text selected, and the result is empty.
std::optional<double> NonNegativeInput(TControlEdit* edit, const QString& valueName);
