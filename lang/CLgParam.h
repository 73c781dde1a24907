#pragma once
#include <QString>

// One language of the language configuration (a section of lg/config.ini).
struct CLgParam
{
    QString Section;
    // The language file, relative to the language folder.
    QString FileName;
    // The font forms take in this language; "" keeps the forms' own fonts.
    QString FontName = QStringLiteral("宋体");
    // Kept from the configuration; Qt's fonts carry every script, so it selects nothing.
    int Charset = 0;
    // Points added to a font's size when it is switched to FontName.
    int DisSize = 0;
};
