#include "cad/model/CCADFileWriter.h"

#include "cad/model/CCADPoint.h"
#include "platform/core/CGbkCodec.h"

#include <QtEndian>
#include <cstring>

void CCADFileWriter::WriteInt(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    m_data.append(bytes, sizeof bytes);
}

void CCADFileWriter::WriteDouble(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char bytes[8];
    qToLittleEndian(bits, bytes);
    m_data.append(bytes, sizeof bytes);
}

void CCADFileWriter::WriteString(const QString& text)
{
    const QByteArray bytes = CGbkCodec::ToGbk(text);
    WriteInt(qint32(bytes.size()));
    m_data.append(bytes);
}

void CCADFileWriter::WritePoint(const CCADPoint& point)
{
    WriteDouble(point.x);
    WriteDouble(point.y);
}
