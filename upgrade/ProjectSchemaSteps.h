#pragma once
#include <QStringList>

struct CVersionControl;

// The schema steps of the project upgrade chain, named after the stored version at which the chain
// enters them (CProjectUpgradeChain lists them in order). Each runs its statements through the
// context's query; a failed statement raises Exception with the statement, and the driver's
// transaction takes the step back. Columns are added with the definitions the current schema
// declares, so that an upgraded project has the tables of a new one.
namespace ProjectSchemaSteps {
// The element tables that step 25 links to their room, in the order it takes them; Others, linked
// last, is not among them.
const QStringList& RoomElementTables();
// The 17 construction kinds: each names its element table, its library copy "<kind>_Lib" and the
// construction-name column and default value "<kind>Name".
const QStringList& ConstructionKinds();
// The 56 tables that step 39 gives the column Old_ID.
const QStringList& OldIdTables();

// The oldest format: the tree table tbl_tree made from TreeData.
void TreeConversion(CVersionControl& context);
void Step21(CVersionControl& context);
void Step22(CVersionControl& context);
void Step23(CVersionControl& context);
void Step24(CVersionControl& context);
// From name references to ID references: parent links with foreign keys, numeric keys of the
// library copies, room uses and schedules, construction and default-value references by ID.
void Step25(CVersionControl& context);
void Step26(CVersionControl& context);
void Step27(CVersionControl& context);
void Step28(CVersionControl& context);
void Step29(CVersionControl& context);
void Step30(CVersionControl& context);
void Step31(CVersionControl& context);
void Step32(CVersionControl& context);
void Step33(CVersionControl& context);
void Step34(CVersionControl& context);
void Step35(CVersionControl& context);
void Step36(CVersionControl& context);
void Step37(CVersionControl& context);
void Step38(CVersionControl& context);
void Step39(CVersionControl& context);
void Step40(CVersionControl& context);
// Runs step 39 when the project lacks its columns (a project stored at 40 or 41).
void Step41(CVersionControl& context);
void Step42(CVersionControl& context);
void Step43(CVersionControl& context);
void Step44(CVersionControl& context);
void Step45(CVersionControl& context);
void Step46(CVersionControl& context);
void Step47(CVersionControl& context);
void Step48(CVersionControl& context);
void Step49(CVersionControl& context);
void Step50(CVersionControl& context);
void Step51(CVersionControl& context);
void Step52(CVersionControl& context);
// Entered at 53 and 54.
void Step53(CVersionControl& context);
// Entered at 55 and 56; the last.
void Step55(CVersionControl& context);
} // namespace ProjectSchemaSteps

// The refresh step: by the version stored before the upgrade (CVersionControl::StoredVersion), the
// window factors of a project from 47, the standard day schedules, output flags and default value
// of a project from 50 or below, and the three office day schedules of a project from below 53,
// copied from "System\Schedule_New.dat" where the project lacks them. A missing file raises
// Exception "系统找不到配置文件\n<path>" before anything changes. A project from 53 on is left as
// it is.
void RefreshProjectDatabase(CVersionControl& context);
