#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Text at file edges whose format is fixed as GBK (exchange files, .run files, plug-in strings),
// and the reading rule of shipped configuration files: UTF-8, else GBK.
class CGbkCodec
{
public:
    static QByteArray ToGbk(const QString& text);
    static QString FromGbk(const QByteArray& bytes);
    // UTF-8 when the bytes are valid UTF-8 (a leading BOM is dropped), GBK otherwise.
    static QString DecodeUtf8OrGbk(const QByteArray& bytes);
    // Reads a whole text file with DecodeUtf8OrGbk; false when it cannot be read.
    static bool ReadTextFile(const QString& path, QString& text);
    // The lines as GBK text, each ending in CR LF, written beside the file and moved into place,
    // so that a failure leaves no half-written file; raises Exception naming the file.
    static void WriteLines(const QString& path, const QStringList& lines);
};
