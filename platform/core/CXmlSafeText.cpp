#include "platform/core/CXmlSafeText.h"

namespace {
bool IsNameStart(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || c == U'_' || (c >= U'a' && c <= U'z') || (c >= 0xC0 && c <= 0xD6) ||
           (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
           (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
           (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(char32_t c)
{
    return IsNameStart(c) || c == U'-' || c == U'.' || (c >= U'0' && c <= U'9') || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

bool IsXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// The code point at i and its length in UTF-16 units; a lone surrogate is returned as itself.
char32_t CodePointAt(const QString& text, qsizetype i, int& length)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        length = 2;
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    }
    length = 1;
    return c.unicode();
}

bool IsHexDigits(const QString& text, qsizetype from, int count)
{
    if (from + count > text.size())
        return false;
    for (int k = 0; k < count; ++k) {
        const char16_t c = text.at(from + k).unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f')))
            return false;
    }
    return true;
}

// Whether the text at i reads as an escape "_xHHHH_" or "_xHHHHHHHH_".
bool LooksLikeEscape(const QString& text, qsizetype i)
{
    if (text.at(i) != u'_' || i + 1 >= text.size() || text.at(i + 1) != u'x')
        return false;
    for (int digits : {4, 8})
        if (IsHexDigits(text, i + 2, digits) && i + 2 + digits < text.size() &&
            text.at(i + 2 + digits) == u'_')
            return true;
    return false;
}

QString Escape(char32_t c)
{
    const QString hex = QString::number(static_cast<uint>(c), 16).toUpper();
    return QStringLiteral("_x") + hex.rightJustified(c > 0xFFFF ? 8 : 4, QLatin1Char('0')) + QLatin1Char('_');
}
} // namespace

bool CXmlSafeText::IsValidName(const QString& name)
{
    if (name.isEmpty())
        return false;
    int length = 0;
    for (qsizetype i = 0; i < name.size(); i += length) {
        const char32_t c = CodePointAt(name, i, length);
        if (!(i == 0 ? IsNameStart(c) : IsNameChar(c)))
            return false;
    }
    return true;
}

QString CXmlSafeText::EncodeName(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("_");
    if (IsValidName(name) && !name.contains(QLatin1String("_x")))
        return name;
    QString out;
    out.reserve(name.size() + 8);
    int length = 0;
    for (qsizetype i = 0; i < name.size(); i += length) {
        const char32_t c = CodePointAt(name, i, length);
        if (LooksLikeEscape(name, i))
            out += Escape(U'_');
        else if (i == 0 ? IsNameStart(c) : IsNameChar(c))
            out += name.mid(i, length);
        else
            out += Escape(c);
    }
    return out;
}

QString CXmlSafeText::CleanValue(const QString& text)
{
    qsizetype i = 0;
    int length = 0;
    for (; i < text.size(); i += length)
        if (!IsXmlChar(CodePointAt(text, i, length)))
            break;
    if (i == text.size())
        return text;
    QString out = text.left(i);
    for (; i < text.size(); i += length) {
        const char32_t c = CodePointAt(text, i, length);
        if (IsXmlChar(c))
            out += text.mid(i, length);
        else
            out += QChar(0xFFFD);
    }
    return out;
}
