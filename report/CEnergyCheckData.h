#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class CCalculate_MaterialManager;

// One envelope element of a building as the energy-saving checks see it.
struct SEnvelopeElement
{
    int Direction = 0; // orientation code 0..8 of the element, or of the wall or roof holding it
    double Area = 0;   // m², all of its quantity
    int MaterialId = -1;
    QString MaterialName; // construction name the element keeps beside the ID
    int RoomId = 0;
};

// Where the checks find one kind of envelope element: its table, the column of its second
// dimension, the wall or roof table holding it (openings only) and its library kind code.
struct SEnvelopeSource
{
    const char* Table;
    const char* Second; // "Height" or "Width"
    int Kind;
    const char* Host = nullptr;
    bool HasQuantity = false;
    bool HasDirection = false; // the element (or its host) carries a Direction column
};

// The element kinds the checks read.
namespace EnvelopeSource {
inline constexpr SEnvelopeSource OutsideWall{"OutsideWall", "Height", 0, nullptr, false, true};
inline constexpr SEnvelopeSource InsideWall{"InsideWall", "Height", 1};
inline constexpr SEnvelopeSource Ceiling{"Ceiling", "Width", 2};
inline constexpr SEnvelopeSource Floor{"Floor", "Width", 3};
inline constexpr SEnvelopeSource Roof{"Roof", "Width", 4, nullptr, false, true};
inline constexpr SEnvelopeSource BlindStorey{"BlindStorey", "Width", 5};
inline constexpr SEnvelopeSource OutsideWindow{"OutsideWindow", "Height", 6, "OutsideWall", true, true};
inline constexpr SEnvelopeSource OutsideDoor{"OutsideDoor", "Height", 7, "OutsideWall", true, true};
inline constexpr SEnvelopeSource GlassCurtainWall{"GlassCurtainWall", "Height", 8, nullptr, false, true};
inline constexpr SEnvelopeSource GlassRoof{"GlassRoof", "Width", 9, nullptr, false, true};
inline constexpr SEnvelopeSource SkyWindow{"SkyWindow", "Width", 12, "Roof", true, true};
inline constexpr SEnvelopeSource Ground{"Ground", "Width", 13};
inline constexpr SEnvelopeSource ProjectionFloor{"ProjectionFloor", "Width", 14};
inline constexpr SEnvelopeSource GapWall{"GapWall", "Height", 15};
inline constexpr SEnvelopeSource BasementWall{"BasementWall", "Width", 19};
} // namespace EnvelopeSource

// The construction values the checks take from a library record.
struct SConstructionValues
{
    double K = 0; // mean of the summer and winter heat-transfer coefficients, W/(m²·℃)
    double g = 0; // shading coefficient of transparent constructions; 0 for opaque ones
};

// What the energy-saving checks share: the building lookup, the recompute setting, the element
// rows of a building, the construction values and the check values stored in table Building.
// Statements run on the project's temporary query qryTemp with bound values; a failing select
// raises "查询SQL发生异常:\n%s\n执行的语句:%s", a failing update "执行数据发生异常:\n%s\n执行的语句:%s".
class CEnergyCheckData
{
public:
    // ID of the first building of that name; 0 when none has it.
    static int FindBuildingIdByName(const QString& name);
    // Whether the checks recompute when they open: the default "autorefresh" is "1". Without
    // defaults or without the row they show the stored values.
    static bool AutoRefresh();

    // The elements of the source in the rooms of the building, every storey, in table order.
    // Area: Area when IsLWInputArea is 1, the room's floor area when it is 2 (same as the room),
    // length × second dimension otherwise; times Quantity where the table has one.
    static QList<SEnvelopeElement> Elements(const SEnvelopeSource& source, int buildingId);

    // K and g of the element's construction; false when its library has no such record, which the
    // material cache reports in the message list window.
    static bool Construction(CCalculate_MaterialManager& materials, int kind, const SEnvelopeElement& element,
                             SConstructionValues& values);

    // Names "<prefix><column>_<row>" for every column, then row (the stored order of a check).
    static QStringList ColumnNames(const QString& prefix, int columns, int rows);
    // The building's stored values of the columns, in their order; zeros without the building.
    static std::vector<double> ReadStored(int buildingId, const QStringList& columns);
    // The start of a check's values: count zeros, the stored columns written over the first of them
    // unless the check recomputes (force, or the recompute setting). True when it recomputes.
    static bool StartValues(int buildingId, const QStringList& columns, int count, bool force,
                            std::vector<double>& values);
    // Writes the values (one per column) into the building's row.
    static void Store(int buildingId, const QStringList& columns, const std::vector<double>& values);
};
