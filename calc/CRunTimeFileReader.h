#pragma once
#include <QByteArray>
#include <QString>

// Little-endian reading of the operating-scheme file from its bytes in memory. Every read checks
// what remains first and fails (false, nothing consumed) instead of reading past the end, so a
// damaged count or length can neither overrun the buffer nor make a large allocation.
class CRunTimeFileReader
{
public:
    explicit CRunTimeFileReader(const QByteArray& bytes) : m_bytes(bytes) {}

    qint64 Remaining() const { return m_bytes.size() - m_offset; }

    bool ReadInt(qint32& value);
    bool ReadFloats(float* values, int count);
    bool ReadBytes(qint64 count, unsigned char* data);
    // An int32 byte count and that many GBK bytes; a count of 0 or less is the empty text.
    bool ReadText(QString& text);

private:
    const QByteArray& m_bytes;
    qint64 m_offset = 0;
};

// The writing side: appends little-endian values to the bytes of the file.
namespace RunTimeFile {
void WriteInt(QByteArray& out, qint32 value);
void WriteFloats(QByteArray& out, const float* values, int count);
// An int32 byte count and the GBK bytes without terminator; the empty text is the count 0.
void WriteText(QByteArray& out, const QString& text);
} // namespace RunTimeFile
