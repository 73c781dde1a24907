#pragma once
#include <QByteArray>
#include <QString>

struct CCADPoint;

// Builds the bytes of a CAD model file in memory, little-endian, without padding; the caller
// writes them out in one piece so that a failed save never leaves half a file in place.
class CCADFileWriter
{
public:
    void WriteBytes(const char* data, qsizetype count) { m_data.append(data, count); }
    void WriteInt(qint32 value);
    void WriteDouble(double value);
    // An int32 byte count and the GBK bytes without terminator; the empty text is the count 0.
    void WriteString(const QString& text);
    void WritePoint(const CCADPoint& point);

    const QByteArray& Data() const { return m_data; }

private:
    QByteArray m_data;
};
