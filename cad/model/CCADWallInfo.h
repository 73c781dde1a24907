#pragma once
#include <QString>

class CCADFileReader;
class CCADFileWriter;

// One wall of a traced room, derived from one edge of its polygon (edge i runs from corner i to
// corner i+1, the last edge back to corner 0). Lengths in metres, areas in square metres.
class CCADWallInfo
{
public:
    // Wall kinds, in the order the storey page offers its wall types.
    enum Kind : int
    {
        OutsideWall = 0,
        InsideWall = 1,
        GlassCurtainWall = 2,
        GapWall = 3
    };

    // Element type code of the wall element made for a kind (9, 13, 12, 24); -1 outside 0..3.
    static int ElementTypeOfKind(int kind);
    // Outside walls, glass curtain walls and gap walls face outwards; inside walls do not.
    static bool FacesOutwards(int kind);

    int id = -1; // row ID of the wall element made from this wall; -1 while none exists
    int kind = OutsideWall;
    int nodeId = -1; // node ID of that element's tree node; -1 while none exists
    double length = 0;
    double height = 0; // the room height when the wall was made
    double area = 0;
    QString name;
    QString adjacentRoom; // inside walls: the room on the other side; empty when none
    int orientation = 0;  // compass direction of the outer face, whole degrees 0..359, 0 north

    void Assign(const CCADWallInfo& source) { *this = source; }
    // Files older than version 101 hold no node ID; it is then looked up through the file's
    // resolver by the kind's element type and the wall's id. Raises CCADFileError when damaged.
    void Read(CCADFileReader& file, int version);
    void Write(CCADFileWriter& file) const;
};
