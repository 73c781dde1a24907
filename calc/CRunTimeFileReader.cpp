#include "calc/CRunTimeFileReader.h"

#include "platform/core/CGbkCodec.h"

#include <QtEndian>

#include <cstring>

bool CRunTimeFileReader::ReadBytes(qint64 count, unsigned char* data)
{
    if (count < 0 || count > Remaining())
        return false;
    std::memcpy(data, m_bytes.constData() + m_offset, static_cast<size_t>(count));
    m_offset += count;
    return true;
}

bool CRunTimeFileReader::ReadInt(qint32& value)
{
    unsigned char raw[4];
    if (!ReadBytes(sizeof raw, raw))
        return false;
    value = qFromLittleEndian<qint32>(raw);
    return true;
}

bool CRunTimeFileReader::ReadFloats(float* values, int count)
{
    if (count < 0 || qint64(count) * 4 > Remaining())
        return false;
    for (int i = 0; i < count; ++i) {
        unsigned char raw[4];
        ReadBytes(sizeof raw, raw);
        values[i] = qFromLittleEndian<float>(raw);
    }
    return true;
}

bool CRunTimeFileReader::ReadText(QString& text)
{
    qint32 length = 0;
    if (!ReadInt(length))
        return false;
    text.clear();
    if (length <= 0)
        return true;
    if (length > Remaining())
        return false;
    text = CGbkCodec::FromGbk(m_bytes.mid(m_offset, length));
    m_offset += length;
    return true;
}

namespace RunTimeFile {
void WriteInt(QByteArray& out, qint32 value)
{
    unsigned char raw[4];
    qToLittleEndian(value, raw);
    out.append(reinterpret_cast<const char*>(raw), sizeof raw);
}

void WriteFloats(QByteArray& out, const float* values, int count)
{
    for (int i = 0; i < count; ++i) {
        unsigned char raw[4];
        qToLittleEndian(values[i], raw);
        out.append(reinterpret_cast<const char*>(raw), sizeof raw);
    }
}

void WriteText(QByteArray& out, const QString& text)
{
    const QByteArray bytes = CGbkCodec::ToGbk(text);
    WriteInt(out, static_cast<qint32>(bytes.size()));
    out.append(bytes);
}
} // namespace RunTimeFile
