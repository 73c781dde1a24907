#pragma once
#include "cad/model/CCADFileReader.h"

#include <QString>

class CCADInfo;

// The CAD model file "<project>.qcd" beside the project database. Little-endian, no padding:
//   magic "QOR-CAD" + 3 NUL bytes, int32 version (101), int32 storey count, storey records.
//   Text: int32 byte count, then GBK bytes without terminator; a count <= 0 is the empty text.
//   Storey: int32 id; drawing (text file name, int32 north, int32 unit, double origin x, y);
//     int32 outline point count N, N x (double x, double y), double outline area only when N > 0;
//     int32 room count, rooms.
//   Room: text name, int32 room element id, double area, int32 wall count, walls, double height,
//     int32 point count, points (double x, double y).
//   Wall: int32 id, int32 kind, int32 node id (version 101 only), double length, height, area,
//     text name, text adjacent room, int32 orientation.
// Bytes after the last storey are ignored.

inline constexpr int CadInfoFileVersion = 101;

// The CAD file of a project database: the same path with its extension replaced by ".qcd"
// (Office.VLZ -> Office.qcd); a name without extension gets ".qcd" appended.
QString CadInfoFilePath(const QString& projectFilePath);

// Empties the model and reads the file into it. Returns 1 on success and when the file does not
// exist (a project without CAD data). Returns 0, with the model empty and marked as failed
// (CCADInfo::LoadFailed, LoadError gives the reason in Chinese), when the file cannot be opened,
// is not a CAD model file, was written by a newer program or is truncated or damaged. Nothing is
// shown to the user here. Files older than version 101 get each wall's node ID from the resolver
// (by the element type of the wall's kind and the wall's id); without one, node IDs are -1.
int LoadCadInfoFile(CCADInfo& model, const QString& path, const CADNodeIdResolver& resolver = {});

// Writes the whole model (also an empty one) as version 101 to a temporary file beside the
// target and renames it over the target, so a failed save leaves the previous file whole.
// Returns 1 when written. Returns 0 and writes nothing when the model failed to load from this
// very file and that file is still there, or when the file cannot be created; *message then
// says why in Chinese. A write that fails midway raises Exception "fwrite string error".
int SaveCadInfoFile(const CCADInfo& model, const QString& path, QString* message = nullptr);
