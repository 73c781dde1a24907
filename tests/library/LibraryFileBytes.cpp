#include "tests/library/LibraryFileBytes.h"

#include "platform/core/CGbkCodec.h"

#include <QtEndian>

QByteArray LibraryFileInt(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray LibraryFileText(const QString& text, int key)
{
    QByteArray bytes = CGbkCodec::ToGbk(text);
    for (char& b : bytes)
        b ^= static_cast<char>(key & 0xff);
    return LibraryFileInt(static_cast<qint32>(bytes.size())) + LibraryFileInt(key) + bytes;
}

QByteArray LibraryFileBytes(int index, const QStringList& captions, const QList<QStringList>& records,
                            const QString& magic, int version)
{
    QByteArray out = LibraryFileText(magic) + LibraryFileInt(version) + LibraryFileInt(index);
    for (const char* header : {"系统数据", "", "100", "2026-01-01 08:00:00", "OutsideWall_Lib"})
        out += LibraryFileText(QString::fromUtf8(header));
    out += LibraryFileInt(static_cast<qint32>(captions.size()));
    for (const QString& caption : captions)
        out += LibraryFileText(caption);
    out += LibraryFileInt(static_cast<qint32>(records.size()));
    for (const QStringList& record : records)
        for (const QString& value : record)
            out += LibraryFileText(value);
    return out;
}
