#pragma once
#include <QString>

// What an XML 1.0 document can carry, for writers whose names and values come from data.
//
// Names follow XML 1.0 (fifth edition) without the colon, so that no namespace prefix is implied.
// EncodeName writes a name that is not valid in a valid form, and is reversible: every character
// that may not stand at its place becomes "_xHHHH_" (its code point in upper-case hexadecimal, four
// digits, eight beyond U+FFFF), and an underscore that would read as the start of such a sequence
// becomes "_x005F_". A name that is valid and has no such underscore is returned unchanged; the
// empty name becomes "_".
class CXmlSafeText
{
public:
    static bool IsValidName(const QString& name);
    static QString EncodeName(const QString& name);
    // The text with every character that XML 1.0 cannot carry (control characters other than tab,
    // line feed and carriage return, lone surrogates, U+FFFE and U+FFFF) replaced by U+FFFD.
    static QString CleanValue(const QString& text);
};
