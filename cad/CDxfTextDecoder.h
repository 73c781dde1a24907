#pragma once
#include <QString>
#include <QStringList>
#include <string>

class QTextCodec;

// Turns the bytes of a DXF drawing's texts (layer names, TEXT and MTEXT contents) into text.
// Drawings from AutoCAD 2007 on ($ACADVER AC1021 and later) are UTF-8; older ones are in the code
// page named by $DWGCODEPAGE (ANSI_936 is GBK); without a code page the bytes are read as UTF-8
// when they are valid UTF-8 and as GBK otherwise. The escapes \U+XXXX (a Unicode character) and
// \M+nXXXX (a double-byte character of an Asian code page, n = 5 for GBK) are resolved.
class CDxfTextDecoder
{
public:
    CDxfTextDecoder(const std::string& version, const std::string& codePage);

    QString Decode(const std::string& bytes) const;

    // A TEXT's content with its control codes replaced: %%c diameter, %%d degree, %%p plus-minus,
    // %%% percent, %%nnn the character nnn; the underline and overline switches %%u, %%o dropped.
    static QString PlainText(const QString& text);
    // An MTEXT's content as lines: paragraph breaks (\P) split it, formatting codes (fonts,
    // heights, colours, alignment, {} groups) are dropped, stacked fractions become "a/b", and
    // the TEXT control codes are replaced as in PlainText.
    static QStringList MTextLines(const QString& text);

private:
    static QString ResolveEscapes(const QString& text);

    bool m_utf8 = false;  // UTF-8, falling back to GBK for bytes that are not valid UTF-8
    bool m_guess = false; // no code page named: UTF-8 when valid, else GBK
    QTextCodec* m_codec = nullptr;
};
