#pragma once
#include <QString>
#include <optional>

class QWidget;
class TControlEdit;

// What the energy-check dialogs share.

// The number of an edit. A text that is no number of at least 0 is
// refused: the warning names the value ("“南”的“透明部分面积(m^2)”"), the edit takes the focus
// with its text selected, and the result is empty.
std::optional<double> NonNegativeInput(TControlEdit* edit, const QString& valueName);

// True the first time the dialog shows, which it then centres on the screen; shown remembers it.
bool FirstShowCentred(QWidget& dialog, bool& shown);
