#pragma once
#include <QString>
#include <memory>

class CToolDialogsBase;

// Small demonstration projects written to a file. Write: one office building of one storey with two
// rooms facing south and north. Each room has an outside wall with a window, a roof, a ground slab,
// people, lighting and infiltration with the default values of the program folder and office
// equipment of 15 W/m² (GB 50189); a window's crack length is the perimeter of its opening sash
// (half its width by its height). The project takes the shipped constructions into its own
// libraries, keeps the design weather of the blank project and is dated the day it is written.
//
// Write runs before the program's own objects exist: it builds and tears down the data modules,
// the element registry and the tree store it needs, and leaves the program-wide slots empty.
class CDemoProject
{
public:
    // Caption of the building node.
    static QString BuildingCaption();

    // Creates (or replaces) the project file from the blank project of the program folder,
    // stored with the design type; the dialogs answer what the data layer asks on the way.
    // Raises Exception when a step fails.
    static void Write(const QString& path, int designType, std::unique_ptr<CToolDialogsBase> dialogs);

    // Caption of the building node of the office demonstration.
    static QString OfficeCaption();
    // The office demonstration shipped with the program: a two-storey office building in Beijing
    // (the blank project's design weather) with offices, meeting rooms, a lobby and a design
    // studio; outside walls face all four orientations, each with windows; the upper storey
    // carries the roof, the lower one stands on the ground; every room has people and lighting
    // after its use, office equipment and windows as in Write. Same contract as Write.
    static void WriteOffice(const QString& path, int designType, std::unique_ptr<CToolDialogsBase> dialogs);
};
