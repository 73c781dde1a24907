#pragma once
#include "model/CElementBase.h"

#include <QString>

class CEleAttrs;

// Common part of the envelope elements (walls, windows, doors, ceilings, floors, roofs, ground):
// each refers to one record of a construction library by material_id, keeps that record's name
// in its name column (named after the table: "OutsideWallName", "CeilingName", ...) and stores its
// size through the area-input columns. The name column is also the name of the default value that
// holds the default construction's ID.
//
// The family columns are members here; each class still names its own columns, in its own order,
// in ExchangeAttrs: the base call below gives Name, Status and the six coordinates, and the
// Exchange helpers give the family columns where the class lists them.
class CEnvelopeElement : public CElementBase
{
public:
    // type: element type code; libraryKind: construction library kind code (0..20);
    // nameColumn: the column of the construction name and the default value of its ID.
    CEnvelopeElement(int type, int libraryKind, const QString& nameColumn);

    SCoordinate Coord;
    int material_id = 0;   // ID of the construction record in the kind's library table
    QString MaterialName;  // the construction's name, stored in NameColumn()
    int IsLWInputArea = 0; // size input: 1 area entered, 0 dimensions, 2 same area as the room
    double Length = 0;     // m
    double Area = 0;       // m²

    int LibraryKind() const { return m_libraryKind; }
    const QString& NameColumn() const { return m_nameColumn; }

    // X, Y, Z, X0, Y0, Z0.
    void GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const override;
    // Name, Status, then X0, Y0, Z0, X, Y, Z; classes call this first and add their own columns.
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // The named default value as an integer or a real (CDefaultValue): a missing, empty or
    // non-numeric value raises Exception.
    static int DefaultInt(const QString& name);
    static double DefaultReal(const QString& name);

protected:
    void ExchangeMaterialId(CEleAttrs& attrs);   // "material_id"
    void ExchangeMaterialName(CEleAttrs& attrs); // NameColumn()
    void ExchangeArea(CEleAttrs& attrs); // "IsLWInputArea", "Length" (the class adds its second dimension)

    // Name empty and Status 1.
    void ClearNameAndStatus();
    // material_id = the default named NameColumn() as an integer; MaterialName = the name of that
    // record of the kind's library (CMaterialParamNameList::Current()), empty when there is none.
    void SetMaterialDefaults();

    // The element of the nearest ancestor of the type through the tree node; null without a node or
    // without such an ancestor.
    CElementBase* Ancestor(int type) const;
    // A column of another element read at full precision through its exchanged values; false
    // (value unchanged) when the element does not exchange the column.
    static bool ColumnReal(CElementBase& element, const QString& column, double& value);
    static bool ColumnInt(CElementBase& element, const QString& column, int& value);
    // StoreyHeight of the nearest storey ancestor; 0 without a tree node or storey.
    double StoreyHeight() const;

    // Sum of Area × Quantity over the rows of the table whose parent_id is parentId, queried on the
    // element's data set m_Query. A failing statement raises "查询SQL发生异常:\n%s\n执行的语句:%s";
    // an element without a data set raises as well.
    double SumOpeningArea(const QString& table, int parentId);

private:
    int m_libraryKind;
    QString m_nameColumn;
};

// The external shading of outside windows and doors, m: opening width B and height H, projection
// l of the horizontal overhang and m of the vertical fins, distance f from the overhang and g from
// the fins to the window edge.
struct SOutsideShield
{
    double B = 0, H = 0, l = 0, m = 0, f = 0, g = 0;
    // OutsideShield_B, _H, _l, _m, _f, _g in that order.
    void Exchange(CEleAttrs& attrs);
};
