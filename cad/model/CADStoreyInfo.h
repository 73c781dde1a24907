#pragma once
#include "cad/model/CCADAreaInfo.h"
#include "cad/model/CCADPoint.h"
#include "cad/model/CDWGInfo.h"
#include "platform/core/CMyList.h"

class CCADFileReader;
class CCADFileWriter;

// The CAD data of one storey: its drawing reference, its outline and its traced rooms.
// Owns its outline points and rooms.
class CADStoreyInfo
{
public:
    CADStoreyInfo() = default;
    CADStoreyInfo(const CADStoreyInfo&) = delete;
    CADStoreyInfo& operator=(const CADStoreyInfo&) = delete;

    int storeyId = -1; // row ID of the Storey element, set by whoever creates the record
    CDWGInfo drawing;
    double outlineArea = 0;            // square metres; 0 when there is no outline
    CMyList<CCADPoint> outline{true};  // empty when no outline was traced
    CMyList<CCADAreaInfo> rooms{true}; // in tracing order

    // The outline area is stored only with an outline; without one it reads back as 0.
    // The file version is passed on to the room reader. Raises CCADFileError when damaged.
    void Read(CCADFileReader& file, int version);
    void Write(CCADFileWriter& file) const;
};
