#include "bench/CBenchProject.h"

#include "climate/CLIB_WeatherData.h"
#include "model/CCeiling.h"
#include "model/CFloor.h"
#include "model/CGround.h"
#include "model/CInsideDoor.h"
#include "model/CInsideWall.h"
#include "model/CNodeData.h"
#include "model/COutsideDoor.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CRoof.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "platform/core/Exception.h"
#include "tests/support/CFakeToolDialogs.h"
#include "tests/support/CSyntheticWeatherYear.h"

#include <QFile>

#include <sys/resource.h>

namespace {
constexpr int kPeople = 4;
constexpr int kLighting = 5;
constexpr int kElectronic = 7;
constexpr int kElectric = 8;
constexpr int kInfiltration = 27;
constexpr double kStoreyHeight = 3.3;
constexpr double kRoomWidth = 5; // along the outside wall
constexpr double kRoomDepth = CBenchProject::RoomArea / kRoomWidth;
// South, west, north, east.
constexpr int kDirections[] = {1, 3, 5, 7};

// Loads the node's element, lets the edit fill it and writes it back.
template <typename T, typename Edit> void EditElement(CNodeData* node, Edit edit)
{
    auto* element = dynamic_cast<T*>(node->LoadElement());
    if (!element)
        throw Exception(QStringLiteral("节点类型%1不是所需元素").arg(node->Type()));
    edit(*element);
    if (element->UpdateRecord() != 1)
        throw Exception(QStringLiteral("元素未能写入"));
}

CNodeData* MakeChild(CNodeData* parent, int type)
{
    CNodeData* node = parent->CreateChild(type, QString(), nullptr, 0);
    if (!node)
        throw Exception(QStringLiteral("未能建立类型%1的元素").arg(type));
    return node;
}
} // namespace

CBenchProject::CBenchProject(int designType) : m_tool(std::make_unique<CFakeToolDialogs>())
{
    if (!m_sysParam.DataModuleCreate())
        throw Exception(QStringLiteral("系统数据库未能打开"));
    // The program folder holds the psychrometric library the rooms' outdoor wet bulb comes from.
    if (!m_folder.AddLibrary(QStringLiteral("librozadizo.so")))
        throw Exception(QStringLiteral("librozadizo.so未能复制"));
    OpenProjectCopy();
    CopyConstructionLibraries();
    CProjectData::SetCurrent(&m_parameters);
    m_parameters.DesignType = designType;
    m_registry.LoadElementTypes(m_sysParam.ElementBasePerformance);
    m_defaults.Load(m_project.Initialization);
    m_names.SetDataSet(&m_project.MaterialParamTable);
    m_store.SetHost(&m_treeHost);
    m_store.LoadTree();
    TakeBeijingWeather();
}

CBenchProject::~CBenchProject()
{
    CProjectData::SetCurrent(nullptr);
}

void CBenchProject::OpenProjectCopy()
{
    const QString path = m_folder.File(QStringLiteral("User/Bench.VLZ"));
    if (!QFile::copy(m_folder.File(QStringLiteral("Project/ProjectModule.dat")), path))
        throw Exception(QStringLiteral("空白工程未能复制"));
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    m_project.ProjectCon.Open(path);
    // A throw-away copy: waiting for the disk after every element written only slows the set-up.
    m_project.ExecSQL(CSQLStatement("PRAGMA synchronous = OFF"));
}

void CBenchProject::CopyConstructionLibraries()
{
    m_project.ExecSQL(CSQLStatement("ATTACH DATABASE ? AS shipped", {m_sysParam.SysDataPath()}));
    CDbQuery tables(m_project.ProjectCon);
    OpenQueryGuarded(tables,
                     CSQLStatement("select s.name from shipped.sqlite_master s join main.sqlite_master m "
                                   "on m.name = s.name where s.type = 'table' and s.name like '%\\_Lib' "
                                   "escape '\\'"));
    for (tables.First(); !tables.Eof(); tables.Next()) {
        const QString table = tables.Field(0).toString();
        m_project.ExecSQL(CSQLStatement(
            QStringLiteral(
                "insert into main.%1 select * from shipped.%1 where ID not in (select ID from main.%1)")
                .arg(table)));
    }
    tables.Close();
    m_project.ExecSQL(CSQLStatement("DETACH DATABASE shipped"));
}

void CBenchProject::TakeBeijingWeather()
{
    CDbQuery library(m_sysParam.ADOConnection2);
    OpenQueryGuarded(library,
                     CSQLStatement("select * from WeatherData where City = ?", {QStringLiteral("北京")}));
    if (library.RecordCount() != 1)
        throw Exception(QStringLiteral("气象库中没有北京"));
    CLIB_WeatherData city;
    city.DataSet = &library;
    city.Load();
    CDbQuery project(m_project.ProjectCon);
    OpenQueryGuarded(project, CSQLStatement("select * from WeatherParameter"));
    if (project.RecordCount() != 1)
        throw Exception(QStringLiteral("工程没有气象参数行"));
    project.Edit();
    city.DataSet = &project;
    city.Save();
    project.Post();

    m_weather.Load();
    m_weather.GroundGrade = 3; // crushed rock around the building
    m_weather.HourlyBlob = CSyntheticWeatherYear().FileText();
    if (!m_weather.Save())
        throw Exception(QStringLiteral("全年气象参数未能写入"));
    m_weather.CalcMonthlyDesignValues();
}

void CBenchProject::BuildOfficeBuilding(int rooms)
{
    m_building = MakeChild(&m_store.Root(), 1);
    const int storeys = (rooms + RoomsPerStorey - 1) / RoomsPerStorey;
    for (int s = 0; s < storeys; ++s) {
        CNodeData* storey = MakeChild(m_building, CStorey::TypeCode);
        EditElement<CStorey>(storey, [](CStorey& e) { e.StoreyHeight = kStoreyHeight; });
        for (int r = 0; r < RoomsPerStorey && m_rooms < rooms; ++r, ++m_rooms)
            AddRoom(storey, r, s == 0, s == storeys - 1);
    }
    m_store.Root().ReleaseElements(true, true);
    m_store.FillTreeView(m_treeHost.View, nullptr, true);
}

void CBenchProject::AddRoom(CNodeData* storey, int index, bool bottom, bool top)
{
    CNodeData* room = MakeChild(storey, CRoom::TypeCode);
    EditElement<CRoom>(room, [](CRoom& e) {
        e.IsLWInputArea = 0;
        e.Length = kRoomWidth;
        e.Width = kRoomDepth;
        e.Area = kRoomWidth * kRoomDepth;
        e.Height = kStoreyHeight;
    });

    CNodeData* wall = MakeChild(room, COutsideWall::TypeCode);
    EditElement<COutsideWall>(wall, [index](COutsideWall& e) {
        e.Direction = kDirections[index % 4];
        e.IsLWInputArea = 0;
        e.Length = kRoomWidth;
        e.Height = kStoreyHeight;
    });
    EditElement<COutsideWindow>(MakeChild(wall, COutsideWindow::TypeCode), [](COutsideWindow& e) {
        e.IsLWInputArea = 0;
        e.Length = 2;
        e.Height = 1.5;
        e.Quantity = 1;
    });
    EditElement<COutsideDoor>(MakeChild(wall, COutsideDoor::TypeCode), [](COutsideDoor& e) {
        e.IsLWInputArea = 0;
        e.Length = 1;
        e.Height = 2.1;
        e.Quantity = 1;
    });

    CNodeData* inside = MakeChild(room, CInsideWall::TypeCode);
    EditElement<CInsideWall>(inside, [](CInsideWall& e) {
        e.IsLWInputArea = 0;
        e.Length = kRoomWidth;
        e.Height = kStoreyHeight;
        e.AdjacentRoomStatus = 1;         // a corridor with little heat release
        e.AdjacentRoomStatus_Heating = 2; // unheated, without outside openings
    });
    EditElement<CInsideDoor>(MakeChild(inside, CInsideDoor::TypeCode), [](CInsideDoor& e) {
        e.IsLWInputArea = 0;
        e.Length = 1;
        e.Width = 2.1;
        e.Quantity = 1;
    });

    if (bottom) {
        EditElement<CGround>(MakeChild(room, CGround::TypeCode), [](CGround& e) { e.IsLWInputArea = 2; });
    } else {
        EditElement<CFloor>(MakeChild(room, CFloor::TypeCode), [](CFloor& e) {
            e.IsLWInputArea = 2;
            e.AdjacentRoomStatus = 1;         // the office below
            e.AdjacentRoomStatus_Heating = 7; // heated alike: no difference across the slab
            e.Temperature_Range = 0;
        });
    }
    if (top) {
        EditElement<CRoof>(MakeChild(room, CRoof::TypeCode), [](CRoof& e) {
            e.IsLWInputArea = 2;
            e.Direction = 0;
            e.Obliquity = 0;
        });
    } else {
        EditElement<CCeiling>(MakeChild(room, CCeiling::TypeCode), [](CCeiling& e) {
            e.IsLWInputArea = 2;
            e.AdjacentRoomStatus = 1;         // the office above
            e.AdjacentRoomStatus_Heating = 3; // heated alike: no difference across the slab
            e.Temperature_Range = 0;
        });
    }
    // Loads of the room's use, taken by each element from the room above it.
    for (int type : {kPeople, kLighting, kElectric, kElectronic, kInfiltration})
        MakeChild(room, type);
}

CTreeItem* CBenchProject::ProjectItem() const
{
    return m_treeHost.View.TopItem(0);
}

CTreeItem* CBenchProject::BuildingItem() const
{
    return m_building ? m_building->TreeItem() : nullptr;
}

long CBenchProject::PeakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double CBenchProject::CpuTimeMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}
