#pragma once
#include <QString>
#include <memory>

class CDxfDocument;

// Reads an ASCII DXF drawing into a CDxfDocument (through dxflib, after CDxfGroupFilter has
// checked and trimmed the file). DWG drawings and binary DXF files are refused with a hint to
// save the drawing as ASCII DXF; damaged or truncated files are refused with what is wrong.
class CDxfReader
{
public:
    enum class Status
    {
        Ok,
        CannotOpen,
        Dwg,
        BinaryDxf,
        Damaged
    };
    struct SResult
    {
        Status status = Status::Damaged;
        QString reason; // for the user, in Chinese; empty when Ok
        std::unique_ptr<CDxfDocument> document;
    };

    static SResult Read(const QString& path);
    // The bytes of a file; the name only tells DWG drawings by their extension.
    static SResult ReadBytes(const QByteArray& data, const QString& fileName);
};
