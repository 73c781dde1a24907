#include "platform/core/CGbkCodec.h"

#include "platform/core/Exception.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextCodec>

namespace {
QTextCodec* Gbk()
{
    // GB18030 is a superset of GBK that decodes every GBK byte sequence the same way.
    static QTextCodec* codec = QTextCodec::codecForName("GBK") ? QTextCodec::codecForName("GBK")
                                                                : QTextCodec::codecForName("GB18030");
    return codec;
}
} // namespace

QByteArray CGbkCodec::ToGbk(const QString& text)
{
    return Gbk()->fromUnicode(text);
}

QString CGbkCodec::FromGbk(const QByteArray& bytes)
{
    return Gbk()->toUnicode(bytes);
}

QString CGbkCodec::DecodeUtf8OrGbk(const QByteArray& bytes)
{
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    return FromGbk(data);
}

bool CGbkCodec::ReadTextFile(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = DecodeUtf8OrGbk(file.readAll());
    return true;
}

void CGbkCodec::WriteLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += ToGbk(line) + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Exception(QStringLiteral("文件%1无法写入").arg(QDir::toNativeSeparators(path)));
}
