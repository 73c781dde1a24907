#include "cad/CDxfTextDecoder.h"

#include "platform/core/CGbkCodec.h"

#include <QTextCodec>

namespace {
QTextCodec* Gbk()
{
    return QTextCodec::codecForName("GBK");
}

// The Windows code page of "ANSI_nnnn", as Qt names its codec.
QTextCodec* CodecOfCodePage(const QString& codePage)
{
    const QString page = codePage.trimmed().toUpper();
    if (page.isEmpty())
        return nullptr;
    if (page == QLatin1String("ANSI_936") || page == QLatin1String("GB2312") || page == QLatin1String("GBK"))
        return Gbk();
    if (!page.startsWith(QLatin1String("ANSI_")))
        return Gbk();
    const QString number = page.mid(5);
    QByteArray name;
    if (number == QLatin1String("950"))
        name = "Big5";
    else if (number == QLatin1String("932"))
        name = "Shift_JIS";
    else if (number == QLatin1String("949"))
        name = "EUC-KR";
    else
        name = "windows-" + number.toLatin1();
    QTextCodec* codec = QTextCodec::codecForName(name);
    return codec ? codec : Gbk();
}

// The code pages of the \M+n escape: 1 Japanese, 2 traditional Chinese, 3 Korean, 5 GBK.
QTextCodec* CodecOfMif(QChar digit)
{
    switch (digit.unicode()) {
    case '1':
        return QTextCodec::codecForName("Shift_JIS");
    case '2':
        return QTextCodec::codecForName("Big5");
    case '3':
        return QTextCodec::codecForName("EUC-KR");
    case '5':
        return Gbk();
    default:
        return nullptr;
    }
}

bool IsHex(const QString& text, int from, int count)
{
    if (from + count > text.size())
        return false;
    for (int i = from; i < from + count; ++i)
        if (!isxdigit(text.at(i).toLatin1()))
            return false;
    return true;
}

// Codes that carry a value up to ';': font, height, width, colour, alignment, tracking, obliquity.
bool TakesValue(QChar code)
{
    return QStringLiteral("AaCcFfHhQqTtWwp").contains(code);
}
} // namespace

CDxfTextDecoder::CDxfTextDecoder(const std::string& version, const std::string& codePage)
{
    const QString v = QString::fromLatin1(version.c_str()).trimmed().toUpper();
    bool numbered = false;
    const int release = v.startsWith(QLatin1String("AC")) ? v.mid(2).toInt(&numbered) : 0;
    if (numbered && release >= 1021) {
        m_utf8 = true;
        return;
    }
    m_codec = CodecOfCodePage(QString::fromLatin1(codePage.c_str()));
    m_guess = m_codec == nullptr;
}

QString CDxfTextDecoder::Decode(const std::string& bytes) const
{
    const QByteArray raw = QByteArray::fromStdString(bytes);
    QString text;
    if (m_utf8 || m_guess)
        text = CGbkCodec::DecodeUtf8OrGbk(raw);
    else
        text = m_codec->toUnicode(raw);
    return ResolveEscapes(text);
}

QString CDxfTextDecoder::ResolveEscapes(const QString& text)
{
    if (!text.contains(QLatin1Char('\\')))
        return text;
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 2 < text.size() && text.at(i + 2) == QLatin1Char('+')) {
            const QChar kind = text.at(i + 1).toUpper();
            if (kind == QLatin1Char('U') && IsHex(text, i + 3, 4)) {
                out += QChar(text.mid(i + 3, 4).toUShort(nullptr, 16));
                i += 6;
                continue;
            }
            if (kind == QLatin1Char('M') && i + 3 < text.size() && IsHex(text, i + 4, 4)) {
                if (QTextCodec* codec = CodecOfMif(text.at(i + 3))) {
                    const ushort code = text.mid(i + 4, 4).toUShort(nullptr, 16);
                    const char pair[2] = {char(code >> 8), char(code & 0xff)};
                    out += codec->toUnicode(pair, 2);
                    i += 7;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}

QString CDxfTextDecoder::PlainText(const QString& text)
{
    if (!text.contains(QLatin1String("%%")))
        return text;
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('%') || i + 2 >= text.size() || text.at(i + 1) != QLatin1Char('%')) {
            out += text.at(i);
            continue;
        }
        const QChar code = text.at(i + 2).toLower();
        if (code == QLatin1Char('c'))
            out += QChar(0x00D8);
        else if (code == QLatin1Char('d'))
            out += QChar(0x00B0);
        else if (code == QLatin1Char('p'))
            out += QChar(0x00B1);
        else if (code == QLatin1Char('%'))
            out += QLatin1Char('%');
        else if (code == QLatin1Char('u') || code == QLatin1Char('o')) {
            // Underline and overline switches: the underlay draws no lines for them.
        } else if (code.isDigit() && i + 4 < text.size() && text.at(i + 3).isDigit() &&
                   text.at(i + 4).isDigit()) {
            out += QChar(ushort(text.mid(i + 2, 3).toUShort()));
            i += 2;
        } else {
            out += text.mid(i, 3);
        }
        i += 2;
    }
    return out;
}

QStringList CDxfTextDecoder::MTextLines(const QString& text)
{
    QStringList lines;
    QString line;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('{') || c == QLatin1Char('}'))
            continue;
        if (c != QLatin1Char('\\') || i + 1 >= text.size()) {
            line += c;
            continue;
        }
        const QChar code = text.at(++i);
        if (code == QLatin1Char('P')) {
            lines << PlainText(line);
            line.clear();
        } else if (code == QLatin1Char('~')) {
            line += QLatin1Char(' ');
        } else if (code == QLatin1Char('\\') || code == QLatin1Char('{') || code == QLatin1Char('}')) {
            line += code;
        } else if (code == QLatin1Char('S')) {
            // Stacked fraction "\Snum^den;" (or num/den, num#den): shown as num/den.
            const int end = text.indexOf(QLatin1Char(';'), i + 1);
            QString stack = text.mid(i + 1, (end < 0 ? text.size() : end) - i - 1);
            stack.replace(QLatin1Char('^'), QLatin1Char('/')).replace(QLatin1Char('#'), QLatin1Char('/'));
            line += stack.trimmed();
            i = end < 0 ? text.size() : end;
        } else if (TakesValue(code)) {
            const int end = text.indexOf(QLatin1Char(';'), i + 1);
            i = end < 0 ? text.size() : end;
        } else if (!QStringLiteral("LlOoKkNX").contains(code)) {
            line += code;
        }
    }
    lines << PlainText(line);
    return lines;
}
