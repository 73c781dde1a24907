#include "tools/CDemoProject.h"

#include "model/CElectronicEquipment.h"
#include "model/CElementManage.h"
#include "model/CGround.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeData.h"
#include "model/COccupationFields.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CRoof.h"
#include "model/CRoom.h"
#include "model/CRoomOccupationCache.h"
#include "model/CStorey.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CSQLStatement.h"
#include "platform/core/CTool.h"
#include "platform/core/CToolDialogsBase.h"
#include "platform/core/Exception.h"
#include "project/CSystemGlobalData.h"

#include <QDate>
#include <QFile>
#include <QList>
#include <functional>

namespace {
constexpr int kPeople = 4;
constexpr int kLighting = 5;
constexpr int kElectronic = 7;
constexpr int kInfiltration = 27;
constexpr double kStoreyHeight = 3.3;
constexpr int kSouth = 1;
constexpr int kWest = 3;
constexpr int kNorth = 5;
constexpr int kEast = 7;
constexpr int kOfficeStoreyUse = 1;
// Electronic equipment of an office building, W/m² of floor (GB 50189), taken as the office
// equipment method ("办公及电器设备") so that the density is the heat given to the room.
constexpr double kOfficeEquipmentDensity = 15;
constexpr int kOfficeEquipmentMethod = 3;

template <typename T, typename Edit> void EditElement(CNodeData* node, Edit edit)
{
    auto* element = dynamic_cast<T*>(node->LoadElement());
    if (!element)
        throw Exception(QStringLiteral("节点%1不是所需的元素").arg(node->Caption()));
    edit(*element);
    if (element->UpdateRecord() != 1)
        throw Exception(QStringLiteral("元素%1未能写入").arg(node->Caption()));
}

CNodeData* MakeChild(CNodeData* parent, int type, const QString& name = QString())
{
    CNodeData* node = parent->CreateChild(type, name, nullptr, 0);
    if (!node)
        throw Exception(QStringLiteral("未能建立类型%1的元素").arg(type));
    return node;
}

// A window opens by one sash of half its width over its full height; air leaks along the sash's
// perimeter (m, per window).
double SashCrackLength(double width, double height)
{
    return 2 * (width / 2 + height);
}

void AddOfficeEquipment(CNodeData* room)
{
    EditElement<CElectronicEquipment>(MakeChild(room, kElectronic), [](CElectronicEquipment& e) {
        e.EleCatMethod = kOfficeEquipmentMethod;
        e.PowerDensity = kOfficeEquipmentDensity;
    });
}

// The blank project has empty construction libraries; elements refer to record 1 of each kind.
void CopyShippedConstructions(const QString& projectPath, const QString& sysDataPath)
{
    CDbConnection connection(QStringLiteral("DemoProjectLibraries"));
    connection.Open(projectPath);
    CDbQuery query(connection);
    ExecQueryGuarded(query, CSQLStatement("ATTACH DATABASE ? AS shipped", {sysDataPath}));
    QStringList tables;
    OpenQueryGuarded(query,
                     CSQLStatement("select s.name from shipped.sqlite_master s join main.sqlite_master m "
                                   "on m.name = s.name where s.type = 'table' and s.name like '%\\_Lib' "
                                   "escape '\\'"));
    for (query.First(); !query.Eof(); query.Next())
        tables << query.Field(0).toString();
    query.Close();
    for (const QString& table : tables)
        ExecQueryGuarded(query, CSQLStatement(QStringLiteral("insert into main.%1 select * from shipped.%1 "
                                                             "where ID not in (select ID from main.%1)")
                                                  .arg(table)));
    ExecQueryGuarded(query, CSQLStatement("DETACH DATABASE shipped"));
    query.Close();
    connection.Close();
}

void AddRoom(CNodeData* storey, const QString& name, int direction)
{
    CNodeData* room = MakeChild(storey, CRoom::TypeCode, name);
    EditElement<CRoom>(room, [](CRoom& e) {
        e.IsLWInputArea = 0;
        e.Length = 6;
        e.Width = 5;
        e.Area = 30;
        e.Height = kStoreyHeight;
    });
    CNodeData* wall = MakeChild(room, COutsideWall::TypeCode);
    EditElement<COutsideWall>(wall, [direction](COutsideWall& e) {
        e.Direction = direction;
        e.IsLWInputArea = 0;
        e.Length = 6;
        e.Height = kStoreyHeight;
    });
    EditElement<COutsideWindow>(MakeChild(wall, COutsideWindow::TypeCode), [](COutsideWindow& e) {
        e.IsLWInputArea = 0;
        e.Length = 3;
        e.Height = 1.8;
        e.Quantity = 1;
        e.ApertureLength = SashCrackLength(e.Length, e.Height);
    });
    EditElement<CRoof>(MakeChild(room, CRoof::TypeCode), [](CRoof& e) {
        e.IsLWInputArea = 2; // the room's area
        e.Direction = 0;
        e.Obliquity = 0;
    });
    EditElement<CGround>(MakeChild(room, CGround::TypeCode), [](CGround& e) { e.IsLWInputArea = 2; });
    for (int type : {kPeople, kLighting, kInfiltration})
        MakeChild(room, type);
    AddOfficeEquipment(room);
}

} // namespace

QString CDemoProject::BuildingCaption()
{
    return QStringLiteral("办公楼");
}

namespace {

// Makes the project file from the blank project, lets build fill the tree below the root and
// saves it with the design type.
void WriteProject(const QString& path, int designType, std::unique_ptr<CToolDialogsBase> dialogs,
                  const QString& projectName, const std::function<void(CNodeData& root)>& build)
{
    if (QFile::exists(path) && !QFile::remove(path))
        throw Exception(QStringLiteral("文件%1无法替换").arg(path));
    if (!QFile::copy(CProgramFolder::Resolve(QStringLiteral("Project/ProjectModule.dat")), path))
        throw Exception(QStringLiteral("空白工程未能复制到%1").arg(path));
    // The copy keeps the blank project's mode; the demonstration is shipped, so others read it too.
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);

    CTool tool(std::move(dialogs));
    TDM_SysParam sysParam;
    if (!sysParam.DataModuleCreate())
        throw Exception(QStringLiteral("系统数据库未能打开"));
    CopyShippedConstructions(path, sysParam.SysDataPath());

    TDM_Project project;
    CElementManage registry;
    registry.LoadElementTypes(sysParam.ElementBasePerformance);
    TInitalizationManage defaults;
    CMaterialParamNameList names;
    CRoomOccupationCache roomUses;
    CTreeView2DB store; // no host: no view to fill
    CSystemGlobalData global;
    global.OpenProject(path);

    build(store.Root());
    if (!projectName.isEmpty())
        global.ProjectData().ProjectName = projectName;
    global.ProjectData().DesignDate = QDate::currentDate();

    global.SetDesignType(designType);
    global.OpenProject(QString()); // saves and closes
}

// A child captioned exactly so (CreateChild numbers its names).
CNodeData* MakeNamed(CNodeData* parent, int type, const QString& caption)
{
    CNodeData* node = MakeChild(parent, type);
    if (!node->RenameNode(caption))
        throw Exception(QStringLiteral("节点未能改名为%1").arg(caption));
    return node;
}

CNodeData* MakeBuilding(CNodeData& root, const QString& caption)
{
    return MakeNamed(&root, 1, caption);
}

CNodeData* MakeStorey(CNodeData* building, const QString& caption)
{
    CNodeData* storey = MakeNamed(building, CStorey::TypeCode, caption);
    EditElement<CStorey>(storey, [](CStorey& e) {
        e.StoreyHeight = kStoreyHeight;
        e.StoreyUse = kOfficeStoreyUse;
    });
    return storey;
}

struct SOfficeRoom
{
    const char* Name;
    int Use; // room-use record
    double Length, Width;
    QList<int> Walls; // orientations of the outside walls, each along the room's length
};

void AddOfficeRoom(CNodeData* storey, const SOfficeRoom& plan, bool top, bool bottom)
{
    CNodeData* room = MakeNamed(storey, CRoom::TypeCode, QString::fromUtf8(plan.Name));
    for (int direction : plan.Walls) {
        CNodeData* wall = MakeChild(room, COutsideWall::TypeCode);
        EditElement<COutsideWall>(wall, [&](COutsideWall& e) {
            e.Direction = direction;
            e.IsLWInputArea = 0;
            e.Length = plan.Length;
            e.Height = kStoreyHeight;
        });
        EditElement<COutsideWindow>(MakeChild(wall, COutsideWindow::TypeCode), [&](COutsideWindow& e) {
            e.IsLWInputArea = 0;
            e.Length = 1.5;
            e.Height = 1.8;
            e.Quantity = plan.Length >= 6 ? 2 : 1;
            e.ApertureLength = SashCrackLength(e.Length, e.Height);
        });
    }
    if (top)
        EditElement<CRoof>(MakeChild(room, CRoof::TypeCode), [](CRoof& e) {
            e.IsLWInputArea = 2; // the room's area
            e.Direction = 0;
            e.Obliquity = 0;
        });
    if (bottom)
        EditElement<CGround>(MakeChild(room, CGround::TypeCode), [](CGround& e) { e.IsLWInputArea = 2; });
    for (int type : {kPeople, kLighting, kInfiltration})
        MakeChild(room, type);
    AddOfficeEquipment(room);
    // The use sets the room's conditions and the loads of its people, lighting and equipment.
    EditElement<CRoom>(room, [&](CRoom& e) {
        e.IsLWInputArea = 0;
        e.Length = plan.Length;
        e.Width = plan.Width;
        e.Area = plan.Length * plan.Width;
        e.Height = kStoreyHeight;
        if (!e.ApplyOccupation(plan.Use, false, COccupationFields()))
            throw Exception(
                QStringLiteral("房间%1未能采用用途%2").arg(QString::fromUtf8(plan.Name)).arg(plan.Use));
    });
}

} // namespace

void CDemoProject::Write(const QString& path, int designType, std::unique_ptr<CToolDialogsBase> dialogs)
{
    WriteProject(path, designType, std::move(dialogs), QString(), [](CNodeData& root) {
        CNodeData* building = MakeBuilding(root, BuildingCaption());
        CNodeData* storey = MakeChild(building, CStorey::TypeCode);
        EditElement<CStorey>(storey, [](CStorey& e) { e.StoreyHeight = kStoreyHeight; });
        AddRoom(storey, QStringLiteral("办公室"), kSouth);
        AddRoom(storey, QStringLiteral("会议室"), kNorth);
    });
}

QString CDemoProject::OfficeCaption()
{
    return QStringLiteral("示例办公楼");
}

void CDemoProject::WriteOffice(const QString& path, int designType, std::unique_ptr<CToolDialogsBase> dialogs)
{
    // Room uses: 1 办公室, 2 高档办公室、设计室, 3 会议室, 5 大堂、四季厅.
    const SOfficeRoom ground[] = {
        {"大堂", 5, 9, 6, {kSouth, kEast}},
        {"办公室101", 1, 6, 6, {kSouth, kWest}},
        {"会议室102", 3, 9, 5, {kNorth, kEast}},
        {"办公室103", 1, 6, 5, {kNorth, kWest}},
    };
    const SOfficeRoom upper[] = {
        {"办公室201", 1, 9, 6, {kSouth, kEast}},
        {"设计室202", 2, 6, 6, {kSouth, kWest}},
        {"会议室203", 3, 9, 5, {kNorth, kEast}},
        {"办公室204", 1, 6, 5, {kNorth, kWest}},
    };
    WriteProject(path, designType, std::move(dialogs), QStringLiteral("示例工程"), [&](CNodeData& root) {
        CNodeData* building = MakeBuilding(root, OfficeCaption());
        CNodeData* first = MakeStorey(building, QStringLiteral("一层"));
        for (const SOfficeRoom& room : ground)
            AddOfficeRoom(first, room, false, true);
        CNodeData* second = MakeStorey(building, QStringLiteral("二层"));
        for (const SOfficeRoom& room : upper)
            AddOfficeRoom(second, room, true, false);
    });
}
