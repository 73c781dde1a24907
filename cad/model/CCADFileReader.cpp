#include "cad/model/CCADFileReader.h"

#include "cad/model/CCADPoint.h"
#include "platform/core/CGbkCodec.h"

#include <QIODevice>
#include <QtEndian>
#include <cmath>
#include <cstring>

CCADFileReader::CCADFileReader(QIODevice& device, CADNodeIdResolver resolver)
    : m_device(device), m_resolver(std::move(resolver)), m_offset(device.pos()), m_size(device.size())
{
}

QByteArray CCADFileReader::ReadAvailable(qint64 count)
{
    QByteArray bytes = m_device.read(qMin(count, qMax<qint64>(Remaining(), 0)));
    m_offset += bytes.size();
    return bytes;
}

void CCADFileReader::ReadExactly(char* data, qint64 count)
{
    const qint64 start = m_offset;
    if (Remaining() < count)
        Fail(start, QStringLiteral("数据意外结束"));
    const qint64 got = m_device.read(data, count);
    if (got != count)
        Fail(start, QStringLiteral("数据读取失败"));
    m_offset += count;
}

qint32 CCADFileReader::ReadInt()
{
    char bytes[4];
    ReadExactly(bytes, sizeof bytes);
    return qFromLittleEndian<qint32>(bytes);
}

double CCADFileReader::ReadDouble()
{
    const qint64 start = m_offset;
    char bytes[8];
    ReadExactly(bytes, sizeof bytes);
    const quint64 bits = qFromLittleEndian<quint64>(bytes);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value))
        Fail(start, QStringLiteral("的数值无效"));
    return value;
}

QString CCADFileReader::ReadString()
{
    const qint64 start = m_offset;
    const qint32 count = ReadInt();
    if (count <= 0)
        return QString();
    if (count > Remaining())
        Fail(start, QStringLiteral("的文字长度%1超出文件").arg(count));
    QByteArray bytes(count, Qt::Uninitialized);
    ReadExactly(bytes.data(), count);
    return CGbkCodec::FromGbk(bytes);
}

int CCADFileReader::ReadCount(qint64 minRecordBytes)
{
    const qint64 start = m_offset;
    const qint32 count = ReadInt();
    if (count < 0 || qint64(count) * minRecordBytes > Remaining())
        Fail(start, QStringLiteral("的数量%1无效").arg(count));
    return count;
}

CCADPoint CCADFileReader::ReadPoint()
{
    CCADPoint point;
    point.x = ReadDouble();
    point.y = ReadDouble();
    return point;
}

int CCADFileReader::ResolveNodeId(int elementType, int elementId) const
{
    return m_resolver ? m_resolver(elementType, elementId) : -1;
}

void CCADFileReader::Fail(qint64 offset, const QString& fault) const
{
    throw CCADFileError(QStringLiteral("第%1字节处%2").arg(offset).arg(fault));
}
