#pragma once
#include <QString>

// Text for the program's HTML page: characters of code 32 or less trimmed from the end; nothing left
// gives "&nbsp;", otherwise the text inside "<p>" and "</p>" with a blank as "&nbsp;", "&", "<", ">"
// escaped and every line feed closing one paragraph and opening the next. Carriage returns and
// double quotes pass unchanged.
QString HtmlEscapeText(const QString& text);
