#pragma once
#include "platform/core/Exception.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;
struct CCADPoint;

// Node ID of the project tree node whose element has that type code and element id; -1 when
// there is none.
using CADNodeIdResolver = std::function<int(int elementType, int elementId)>;

// A CAD model file that is truncated or damaged. The message names the byte offset and the fault.
class CCADFileError : public Exception
{
public:
    using Exception::Exception;
};

// Little-endian reading of the CAD model file. It never reads past the end of the device and
// never allocates more than the bytes that remain, so a damaged count cannot exhaust memory.
// Every fault raises CCADFileError.
class CCADFileReader
{
public:
    // The device must be open and random-access (its size is known); reading starts at its
    // current position.
    explicit CCADFileReader(QIODevice& device, CADNodeIdResolver resolver = {});

    qint64 Offset() const { return m_offset; }
    qint64 Remaining() const { return m_size - m_offset; }

    // Fewer bytes than asked when the file ends early; never raises.
    QByteArray ReadAvailable(qint64 count);
    qint32 ReadInt();
    // Only finite values: an infinite or NaN length or coordinate is damage.
    double ReadDouble();
    // A byte count of 0 or less is the empty text; the bytes are GBK.
    QString ReadString();
    // A record count; refuses a negative one, and one whose records could not fit in the bytes
    // that remain at minRecordBytes each.
    int ReadCount(qint64 minRecordBytes);
    CCADPoint ReadPoint();

    // -1 when no resolver was given (no project tree to ask).
    int ResolveNodeId(int elementType, int elementId) const;

    [[noreturn]] void Fail(qint64 offset, const QString& fault) const;

private:
    void ReadExactly(char* data, qint64 count);

    QIODevice& m_device;
    CADNodeIdResolver m_resolver;
    qint64 m_offset = 0;
    qint64 m_size = 0;
};
