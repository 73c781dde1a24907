#pragma once
#include <QString>

// Fixed-width columns of the calculation book's text pages.

// The text padded with blanks to width (counted in GBK bytes): alignment -1 left, 0 centred (the
// odd blank after), 1 right, any other value width blanks. A text as long as width or longer
// gets one blank before and one after.
QString PadTextFixedWidth(int width, const QString& text, int alignment);
// The value with 0..4 decimals in the format "0.", "0.0" .. "0.0000" (rounded half away from
// zero; "0." keeps its point), padded with PadTextFixedWidth.
QString FormatFloatFixedWidth(int width, float value, int alignment, int decimals);
