// The detailed input tables of the calculation book: one table per kind of load and envelope
// element, room by room, with the values each element entered the calculation with.
#include "report/CCalculationBook.h"

#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Building.h"
#include "calc/CCalculate_Manager.h"
#include "calc/FixedWidthText.h"
#include "calc/ResultByType.h"
#include "calclib/dizedozev.h"
#include "model/CElementBase.h"
#include "model/CLoadElement.h"
#include "model/CRoom.h"
#include "report/COutputParam.h"
#include "report/COutputParams.h"
#include "report/engine/CQORReport.h"
#include "platform/core/CProgramFolder.h"

#include <vector>

enum class BookDetailCell
{
    Text,
    Int,
    Real,
    Area,
    Direction,
    Labour,
    BeginHour,
    EndHour
};

// One column a child option writes: its field, the element column it reads and how it prints.
struct SBookDetailColumn
{
    int Option;
    const char* Field;
    const char* Attribute;
    BookDetailCell Shape;
};

// One table: its template, its option and the columns of its child options (after the path and
// the element caption, or for people and lighting after the room path alone).
struct SBookDetailTable
{
    const char* Template;
    int Option;
    const char* PathField;
    std::vector<SBookDetailColumn> Columns;
};

namespace {
constexpr const char* kRealFormat = "%.2f";
constexpr int kErrorCategory = 1;
constexpr int kEnvelopeOption = 137;
constexpr int kAreaWidth = 24;
using STable = SBookDetailTable;
using SColumn = SBookDetailColumn;
using Cell = BookDetailCell;

// Schedules of the load elements are named by "ScheduleName"; the chemical reaction by its own.
const STable kPeople{"People.grf", 81, "RoomName", {}};
const STable kLighting{"Lighting.grf", 87, "RoomName", {}};
const STable kHeatingEquipment{"HeatingEquipment.grf", 470, "RoomName",
                               {{92, "Power", "Power", Cell::Real},
                                {93, "SimultaneousUseCoefficient", "SimultaneousUseCoefficient", Cell::Real},
                                {94, "UsageCoefficient", "UsageCoefficient", Cell::Real},
                                {95, "LoadCoefficient", "LoadCoefficient", Cell::Real},
                                {96, "VentilationCoefficient", "VentilationCoefficient", Cell::Real},
                                {97, "HumidityLoad", "HumidityLoad", Cell::Real},
                                {98, "BeginTime", "ScheduleName", Cell::BeginHour},
                                {99, "EndTime", "ScheduleName", Cell::EndHour}}};
const STable kElectronicEquipment{"ElectronicEquipment.grf", 471, "RoomName",
                                  {{100, "Power", "Power", Cell::Real},
                                   {101, "SimultaneousUseCoefficient", "SimultaneousUseCoefficient", Cell::Real},
                                   {102, "UsageCoefficient", "UsageCoefficient", Cell::Real},
                                   {103, "LoadCoefficient", "LoadCoefficient", Cell::Real},
                                   {104, "BeginTime", "ScheduleName", Cell::BeginHour},
                                   {105, "EndTime", "ScheduleName", Cell::EndHour}}};
const STable kElectricEquipment{"ElectricEquipment.grf", 472, "RoomName",
                                {{106, "Power", "Power", Cell::Real},
                                 {107, "SimultaneousUseCoefficient", "SimultaneousUseCoefficient", Cell::Real},
                                 {108, "ElectromotorEfficient", "ElectromotorEfficient", Cell::Real},
                                 {109, "HumidityLoad", "HumidityLoad", Cell::Real},
                                 {110, "BeginTime", "ScheduleName", Cell::BeginHour},
                                 {111, "EndTime", "ScheduleName", Cell::EndHour}}};
const STable kFood{"Food.grf", 112, "RoomName",
                   {{113, "PeopleQuantity", "PeopleQuantity", Cell::Int},
                    {114, "PeopleClassifyCoeffient", "PeopleClassifyCoeffient", Cell::Real},
                    {115, "BeginTime", "ScheduleName", Cell::BeginHour},
                    {116, "EndTime", "ScheduleName", Cell::EndHour}}};
const STable kChemistry{"Chemistry.grf", 645, "RoomName",
                        {{646, "Chemistry_NoRatio", "Chemistry_NoRatio", Cell::Real},
                         {647, "Chemistry_Ratio", "Chemistry_Ratio", Cell::Real},
                         {648, "Chemistry_Max_Value", "Chemistry_Max_Value", Cell::Real},
                         {649, "Chemistry_Heat_Value", "Chemistry_Heat_Value", Cell::Real},
                         {650, "Chemistry_Moisure_Gain", "Chemistry_Moisure_Gain", Cell::Real},
                         {651, "BeginTime", "Chemistry_Time", Cell::BeginHour},
                         {652, "EndTime", "Chemistry_Time", Cell::EndHour}}};
const STable kSurface{"Surface.grf", 117, "RoomName",
                      {{118, "SurfaceArea", "SurfaceArea", Cell::Real},
                       {119, "WaterTemperature", "WaterTemperature", Cell::Real},
                       {120, "BeginTime", "ScheduleName", Cell::BeginHour},
                       {121, "EndTime", "ScheduleName", Cell::EndHour}}};
const STable kInfiltration{"Infiltration.grf", 122, "RoomName",
                           {{123, "PeopleQuantity", "PeopleQUantity", Cell::Int},
                            {124, "BeginTime", "ScheduleName", Cell::BeginHour},
                            {125, "EndTime", "ScheduleName", Cell::EndHour}}};
const STable kOthers{"Others.grf", 126, "RoomName",
                     {{127, "HeatConsumption_Water", "HeatConsumption_Water", Cell::Real},
                      {128, "HeatConsumption_ColdObject", "HeatConsumption_ColdObject", Cell::Real},
                      {129, "HeatConsumption_Ventilation", "HeatConsumption_Ventilation", Cell::Real},
                      {130, "HeatConsumption_Other", "HeatConsumption_Other", Cell::Real},
                      {131, "HeatEmission_Equipment", "HeatEmission_Equipment", Cell::Real},
                      {132, "HeatEmission_HotDuct", "HeatEmission_HotDuct", Cell::Real},
                      {133, "HeatEmission_HotObject", "HeatEmission_HotObject", Cell::Real},
                      {134, "HeatEmission_Other", "HeatEmission_Other", Cell::Real},
                      {135, "Humidity_Other", "Humidity_Other", Cell::Real},
                      {136, "DeHumidity_Other", "DeHumidity_Other", Cell::Real}}};
const STable kOutsideWall{"OutsideWall.grf", 138, "RoomName",
                          {{139, "Direction", "Direction", Cell::Direction},
                           {140, "OutsideWallName", "OutsideWallName", Cell::Text},
                           {141, "OutsideWallArea", "Area", Cell::Area}}};
const STable kOutsideWindow{"OutsideWindow.grf", 603, "OutsideWallName",
                            {{142, "OutsideWindowName", "OutsideWindowName", Cell::Text},
                             {143, "Quantity", "Quantity", Cell::Int},
                             {144, "Area", "Area", Cell::Area}}};
const STable kOutsideDoor{"OutsideDoor.grf", 602, "OutsideWallName",
                          {{146, "OutsideDoorName", "OutsideDoorName", Cell::Text},
                           {147, "Quantity", "Quantity", Cell::Int},
                           {148, "Area", "Area", Cell::Area}}};
const STable kInsideWall{"InsideWall.grf", 150, "RoomName",
                         {{151, "InsideWallName", "InsideWallName", Cell::Text}, {152, "Area", "Area", Cell::Area}}};
const STable kInsideDoor{"InsideDoor.grf", 604, "InsideWallName",
                         {{156, "InsideDoorName", "InsideDoorName", Cell::Text},
                          {157, "Quantity", "Quantity", Cell::Int},
                          {158, "Area", "Area", Cell::Area}}};
const STable kInsideWindow{"InsideWindow.grf", 605, "InsideWallName",
                           {{153, "InsideWindowName", "InsideWindowName", Cell::Text},
                            {154, "Quantity", "Quantity", Cell::Int},
                            {155, "Area", "Area", Cell::Area}}};
const STable kRoof{"Roof.grf", 159, "RoomName",
                   {{160, "Direction", "Direction", Cell::Direction},
                    {161, "RoofName", "RoofName", Cell::Text},
                    {162, "Obliquity", "Obliquity", Cell::Real},
                    {163, "Area", "Area", Cell::Area}}};
const STable kSkyWindow{"SkyWindow.grf", 606, "RoofName",
                        {{164, "SkyWindowName", "SkyWindowName", Cell::Text},
                         {165, "Quantity", "Quantity", Cell::Int},
                         {166, "Area", "Area", Cell::Area}}};
const STable kGlassRoof{"GlassRoof.grf", 167, "RoomName",
                        {{168, "Direction", "Direction", Cell::Direction},
                         {169, "GlassRoofName", "GlassRoofName", Cell::Text},
                         {170, "Obliquity", "Obliquity", Cell::Real},
                         {171, "Area", "Area", Cell::Area}}};
const STable kBlindStorey{"BlindStorey.grf", 172, "RoomName",
                          {{173, "BlindStoreyName", "BlindStoreyName", Cell::Text},
                           {174, "Area", "Area", Cell::Area},
                           {175, "RibHeight", "RibHeight", Cell::Real},
                           {176, "RibDistance", "RibDistance", Cell::Real}}};
const STable kCeiling{"Ceiling.grf", 177, "RoomName",
                      {{178, "CeilingName", "CeilingName", Cell::Text}, {179, "Area", "Area", Cell::Area}}};
const STable kFloor{"Floor.grf", 180, "RoomName",
                    {{181, "FloorName", "FloorName", Cell::Text}, {182, "Area", "Area", Cell::Area}}};
const STable kProjectionFloor{"ProjectionFloor.grf", 183, "RoomName",
                              {{184, "ProjectionFloorName", "ProjectionFloorName", Cell::Text},
                               {185, "Area", "Area", Cell::Area}}};
const STable kGround{"Ground.grf", 186, "RoomName",
                     {{187, "GroundName", "GroundName", Cell::Text}, {188, "Area", "Area", Cell::Area}}};
const STable kBasementWall{"BasementWall.grf", 591, "RoomName",
                           {{592, "BasementWallName", "BasementWallName", Cell::Text},
                            {593, "Area", "Area", Cell::Area}}};

// The tables in the order they are made and printed.
const STable* const kTables[] = {&kPeople,      &kLighting,      &kHeatingEquipment, &kElectronicEquipment,
                                 &kElectricEquipment, &kFood,    &kChemistry,        &kSurface,
                                 &kInfiltration, &kOthers,       &kOutsideWall,      &kOutsideWindow,
                                 &kOutsideDoor,  &kInsideWall,   &kInsideDoor,       &kInsideWindow,
                                 &kRoof,         &kSkyWindow,    &kGlassRoof,        &kBlindStorey,
                                 &kCeiling,      &kFloor,        &kProjectionFloor,  &kGround,
                                 &kBasementWall};
constexpr int kFirstEnvelopeTable = 10;

// Element kinds of the room lists that print straight from the room, with their tables.
const std::pair<int, const STable*> kLoadLists[] = {{6, &kHeatingEquipment}, {7, &kElectronicEquipment},
                                                    {8, &kElectricEquipment}, {25, &kFood},
                                                    {25, &kChemistry},        {26, &kSurface},
                                                    {27, &kInfiltration},     {28, &kOthers}};
const std::pair<int, const STable*> kEnvelopeLists[] = {{20, &kGlassRoof}, {19, &kBlindStorey},
                                                        {16, &kCeiling},   {21, &kFloor},
                                                        {23, &kProjectionFloor}, {22, &kGround},
                                                        {29, &kBasementWall}};

QString DirectionName(int direction)
{
    static const char* const names[] = {"水平", "南", "西南", "西", "西北", "北", "东北", "东", "东南"};
    return direction >= 0 && direction <= 8 ? QString::fromUtf8(names[direction]) : QStringLiteral("-");
}

QString LabourName(int labour)
{
    static const char* const names[] = {"静坐", "极轻劳动", "轻劳动", "中等劳动", "重劳动"};
    return labour >= 0 && labour <= 4 ? QString::fromUtf8(names[labour]) : QStringLiteral("-");
}

// "0.00" (two decimals, no grouping) centred in 24 characters.
QString AreaText(double area)
{
    return PadTextFixedWidth(kAreaWidth, QString::number(area, 'f', 2), 0);
}

// Persons in a room from its density and its floor area (m²), cut to the whole number.
int PeopleCount(const CRoom& room)
{
    switch (room.InputTypeofPeopleDensity) {
    case 0:
        return CLoadElement::WholePart(room.PeopleDensity * room.Area);
    case 1:
        return room.PeopleDensity == 0 ? 0 : CLoadElement::WholePart(room.Area / room.PeopleDensity);
    case 2:
        return CLoadElement::WholePart(room.PeopleDensity);
    default:
        return 0;
    }
}

const SColumn* FindColumn(const STable& table, int option)
{
    for (const SColumn& column : table.Columns)
        if (column.Option == option)
            return &column;
    return nullptr;
}

// The options of a carrier's openings, passed over without a message in the carrier's rows.
bool IsOpeningOption(const STable& table, int option)
{
    if (&table == &kOutsideWall)
        return option == 602 || option == 603;
    if (&table == &kInsideWall)
        return option == 604 || option == 605;
    if (&table == &kRoof)
        return option == 606;
    return false;
}
} // namespace

// The working state of one call: the tables made, with their row counters.
struct CCalculationBook::SDetailOpen
{
    CQORReport* Report = nullptr;
    int Rows = 0;
    // The ticked child options of the table, in their stored order.
    std::vector<int> Children;
};

struct CCalculationBook::SDetailTables
{
    std::vector<SDetailOpen> Open = std::vector<SDetailOpen>(std::size(kTables));
    bool Envelope = false;
};

void CCalculationBook::BuildDetailedInputTables()
{
    if (!m_options.IsOutput(80))
        return;
    Progress(QStringLiteral("正在处理详细计算参数"));
    DetailReportList.Clear();
    m_reportedErrorIds.clear();

    SDetailTables tables;
    tables.Envelope = m_options.IsOutput(kEnvelopeOption);
    const int designType = CurrentDesignType();
    for (size_t t = 0; t < std::size(kTables); ++t) {
        const STable& table = *kTables[t];
        if (!m_options.IsOutput(table.Option) || (static_cast<int>(t) >= kFirstEnvelopeTable && !tables.Envelope))
            continue;
        auto* report = new CQORReport;
        report->LoadReportTemplate(
            CProgramFolder::Resolve(QStringLiteral("lib/Report/") + QString::fromLatin1(table.Template)));
        // A table too wide for a portrait page is drawn landscape, as its template is.
        report->m_Landscape = report->ReportObject().Landscape();
        report->AddReportField(QString::fromLatin1(table.PathField));
        if (&table == &kPeople) {
            for (const char* field : {"PeopleCount", "LaborType", "PeopleClassifyCoeffient", "BeginTime", "EndTime"})
                report->AddReportField(QString::fromLatin1(field));
        } else if (&table == &kLighting) {
            for (const char* field : {"LampPower", "YingGuangPower", "BeginTime", "EndTime"})
                report->AddReportField(QString::fromLatin1(field));
        } else {
            report->AddReportField(QStringLiteral("Name"));
            for (const SColumn& column : table.Columns)
                report->AddReportField(QString::fromLatin1(column.Field));
            if (COutputParam* option = m_options.FindOutputParam(table.Option))
                for (const COutputParam* child : option->Children)
                    if (child->Flag(designType) >= 1)
                        tables.Open[t].Children.push_back(child->ID);
        }
        DetailReportList.Add(report);
        tables.Open[t].Report = report;
    }

    for (const auto& building : m_manager.Buildings())
        for (const auto& storey : building->Storeys)
            for (const auto& room : storey->Rooms) {
                m_manager.ComputeElementArea(room->Entry);
                const auto* element = dynamic_cast<CRoom*>(room->Entry.GetElement());
                if (!element || element->IsOutputLoadCalculationParameter == 0)
                    continue;
                const QString path = building->Entry.Caption + QStringLiteral("~") + storey->Entry.Caption +
                                     QStringLiteral("~") + room->Entry.Caption;
                WriteDetailRows(tables, *room, *element, path);
            }

    for (SDetailOpen& open : tables.Open)
        if (open.Report && open.Rows == 0)
            DetailReportList.Delete(DetailReportList.IndexOf(open.Report));
}

void CCalculationBook::WriteDetailRows(SDetailTables& tables, CCalculate_Room& room, const CRoom& element,
                                       const QString& path)
{
    auto open = [&](const STable& table) -> SDetailOpen* {
        for (size_t t = 0; t < std::size(kTables); ++t)
            if (kTables[t] == &table)
                return tables.Open[t].Report ? &tables.Open[t] : nullptr;
        return nullptr;
    };
    auto list = [&](const STable& table, const CBaseDataList& entries, const QString& owner) {
        if (SDetailOpen* target = open(table))
            for (const auto& entry : entries)
                WriteDetailRow(*target, table, *entry, owner);
    };

    if (SDetailOpen* target = open(kPeople); target && room.People)
        WritePeopleRow(*target, *room.People, element, path);
    if (SDetailOpen* target = open(kLighting); target && room.Lighting)
        WriteLightingRow(*target, *room.Lighting, path);
    for (const auto& [kind, table] : kLoadLists)
        list(*table, room.Elements(kind), path);
    if (!tables.Envelope)
        return;
    for (const auto& wall : room.OutsideWalls) {
        const bool carrier = open(kOutsideWall) != nullptr;
        if (carrier)
            WriteDetailRow(*open(kOutsideWall), kOutsideWall, *wall->Wall, path);
        const QString owner = path + QStringLiteral("~") + wall->Wall->Caption;
        if (carrier) {
            list(kOutsideDoor, wall->Doors, owner);
            list(kOutsideWindow, wall->Windows, owner);
        }
    }
    for (const auto& wall : room.InsideWalls) {
        const bool carrier = open(kInsideWall) != nullptr;
        if (carrier)
            WriteDetailRow(*open(kInsideWall), kInsideWall, *wall->Wall, path);
        const QString owner = path + QStringLiteral("~") + wall->Wall->Caption;
        if (carrier) {
            list(kInsideDoor, wall->Doors, owner);
            list(kInsideWindow, wall->Windows, owner);
        }
    }
    for (const auto& roof : room.Roofs) {
        const bool carrier = open(kRoof) != nullptr;
        if (carrier) {
            WriteDetailRow(*open(kRoof), kRoof, *roof->Roof, path);
            list(kSkyWindow, roof->SkyWindows, path + QStringLiteral("~") + roof->Roof->Caption);
        }
    }
    for (const auto& [kind, table] : kEnvelopeLists)
        list(*table, room.Elements(kind), path);
}

void CCalculationBook::ScheduleHours(const QString& name, int& begin, int& end)
{
    // The hours a schedule is on during the design day of the season the design type calculates:
    // July for cooling, January for heating.
    constexpr int kDesignDayType = 1;
    float factors[24];
    m_manager.GetDaySchedule(name, CoolingDesignType() ? 7 : 1, kDesignDayType, factors);
    int32_t first = 0;
    int32_t last = 0;
    GetTimefromTable(factors, &first, &last);
    begin = first;
    end = last;
}

void CCalculationBook::WritePeopleRow(SDetailOpen& table, const CBaseData& entry, const CRoom& room,
                                      const QString& path)
{
    CElementBase* people = entry.GetElement();
    if (!people)
        return;
    CQORReport& report = *table.Report;
    const int row = table.Rows;
    report.SetReportCell(row, 0, path);
    if (m_options.IsOutput(82))
        report.SetReportCellInt(row, 1, PeopleCount(room));
    report.SetReportCell(row, 2, LabourName(people->GetAttribute(QStringLiteral("LaborType")).toInt()));
    report.SetReportCellFormat(row, 3, people->GetAttribute(QStringLiteral("PeopleClassifyCoeffient")).toDouble(),
                               kRealFormat);
    WriteHourColumns(report, row, *people, 85, 86, 4);
    ++table.Rows;
}

void CCalculationBook::WriteLightingRow(SDetailOpen& table, const CBaseData& entry, const QString& path)
{
    CElementBase* lighting = entry.GetElement();
    if (!lighting)
        return;
    auto value = [&](const char* name) { return lighting->GetAttribute(QString::fromLatin1(name)).toDouble(); };
    CQORReport& report = *table.Report;
    const int row = table.Rows;
    report.SetReportCell(row, 0, path);
    report.SetReportCellFormat(row, 1, value("LampPower"), kRealFormat);
    report.SetReportCellFormat(row, 2,
                               value("ConcealedFluorescencePower") + value("ExposedFluorescencePower_Inside") +
                                   value("ExposedFluorescencePower_Outside"),
                               kRealFormat);
    WriteHourColumns(report, row, *lighting, 90, 91, 3);
    ++table.Rows;
}

void CCalculationBook::WriteHourColumns(CQORReport& report, int row, const CElementBase& element, int beginOption,
                                        int endOption, int beginColumn)
{
    const bool begin = m_options.IsOutput(beginOption);
    const bool end = m_options.IsOutput(endOption);
    if (!begin && !end)
        return;
    int first = 0;
    int last = 0;
    ScheduleHours(element.GetAttribute(QStringLiteral("ScheduleName")), first, last);
    if (begin)
        report.SetReportCellInt(row, beginColumn, first);
    if (end)
        report.SetReportCellInt(row, beginColumn + 1, last);
}

void CCalculationBook::WriteDetailRow(SDetailOpen& table, const SBookDetailTable& kind,
                                      const CBaseData& entry, const QString& owner)
{
    m_manager.ComputeElementArea(entry);
    CElementBase* element = entry.GetElement();
    if (!element)
        return;
    CQORReport& report = *table.Report;
    const int row = table.Rows;
    report.SetReportCell(row, 0, owner);
    report.SetReportCell(row, 1, entry.Caption);
    for (int option : table.Children) {
        const SColumn* column = FindColumn(kind, option);
        if (!column) {
            if (!IsOpeningOption(kind, option))
                ReportUnhandledOption(option);
            continue;
        }
        const int index = 2 + static_cast<int>(column - kind.Columns.data());
        const QString value = element->GetAttribute(QString::fromLatin1(column->Attribute));
        switch (column->Shape) {
        case Cell::Text:
            report.SetReportCell(row, index, value);
            break;
        case Cell::Int:
            report.SetReportCellInt(row, index, value.toInt());
            break;
        case Cell::Real:
            report.SetReportCellFormat(row, index, value.toDouble(), kRealFormat);
            break;
        case Cell::Area:
            report.SetReportCell(row, index, AreaText(value.toDouble()));
            break;
        case Cell::Direction:
            report.SetReportCell(row, index, DirectionName(value.toInt()));
            break;
        case Cell::Labour:
            report.SetReportCell(row, index, LabourName(value.toInt()));
            break;
        case Cell::BeginHour:
        case Cell::EndHour: {
            int first = 0;
            int last = 0;
            ScheduleHours(value, first, last);
            report.SetReportCellInt(row, index, column->Shape == Cell::BeginHour ? first : last);
            break;
        }
        }
    }
    ++table.Rows;
}

void CCalculationBook::ReportUnhandledOption(int option)
{
    // One line per option and book: the same option is met in every row of its table.
    if (m_reportedErrorIds.contains(option))
        return;
    m_reportedErrorIds.insert(option);
    CCalculateHostBase::PostOutputLine(kErrorCategory, QStringLiteral("System Error ID:%1 Did not handle").arg(option));
}
