#pragma once
#include <QString>

class CCADFileReader;
class CCADFileWriter;

// The drawing reference of a storey: which drawing of the project's "CAD" folder was traced, how
// it is turned and measured, and where the building origin lies on it.
class CDWGInfo
{
public:
    // Units of drawing coordinates, in the order of the drawing settings' unit list.
    enum Unit : int
    {
        Millimetre = 0,
        Centimetre = 1,
        Decimetre = 2,
        Metre = 3,
        Inch = 4,
        Foot = 5
    };
    static constexpr int UnitCount = 6;

    // Metres per drawing unit, and square metres per square drawing unit, exactly as tabled
    // (the inch area factor is 0.0006452). 0 for an index outside 0..5.
    static double LengthFactor(int unit);
    static double AreaFactor(int unit);

    QString fileName; // file name inside the project's "CAD" folder
    int north = 0;    // true north, whole degrees clockwise from the drawing's up direction
    int unit = 0;     // unit index of the drawing coordinates
    double originX = 0;
    double originY = 0;

    void Assign(const CDWGInfo& source) { *this = source; }
    // Raises CCADFileError on a truncated or damaged record (also for a unit outside 0..5).
    void Read(CCADFileReader& file);
    void Write(CCADFileWriter& file) const;
};
