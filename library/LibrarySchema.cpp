#include "library/LibrarySchema.h"

#include "model/NameTables.h"

#include <vector>

namespace {
struct SPair
{
    const char* key;
    const char* caption;
};
using CColumnSet = std::vector<SPair>;

const CColumnSet& WeatherSet()
{
    static const CColumnSet set = [] {
        CColumnSet s = {{"Lib_name", "库名称"},
                        {"Country", "国家"},
                        {"Area", "省份"},
                        {"City", "地区"},
                        {"Latitude", "纬度"},
                        {"Longitude", "经度"},
                        {"SummerBarometric", "夏季大气压"},
                        {"SummerAirConditioningDesignDrybulbTemperature", "夏季空调室外干球温度"},
                        {"SummerVentilationDesignDrybulbTemperature", "夏季通风室外干球温度"},
                        {"SummerAirConditioningDesignWetbulbTemperature", "夏季空调室外湿球温度"},
                        {"SummerAirConditioningDailyAverageDesignDrybulbTemperature", "夏季空调室外日平均温度"},
                        {"SummerWindSpeed", "夏季室外平均风速"},
                        {"WinterBarometric", "冬季大气压"},
                        {"WinterHeatingDesignDrybulbTemperature", "冬季室外供暖计算干球温度"},
                        {"WinterVentilationDesignDrybulbTemperature", "冬季通风计算温度"},
                        {"WinterAirConditioningDesignRelativeHumidity", "冬季空调相对湿度"},
                        {"WinterWindSpeed", "冬季室外平均风速"},
                        {"WinterMajorAverageWindSpeed", "冬季最多风向平均风速"},
                        {"Altitude", "海拔高度"},
                        {"YearlyAverageTemperature", "年平均温度"},
                        {"SummerTemperatueRange", "夏季计算日较差"},
                        {"HottestMonthAverageTemperature", "最热月平均温度"},
                        {"HottestMonthAverageRelativeHumidity", "最热月平均室外相对湿度"},
                        {"HottestMonth14hAverageRelativeaHumidity", "最热月14时平均室外相对湿度"},
                        {"WinterSunlight", "冬季日照率"},
                        {"MaximumFrozenEarthDepth", "最大冻土深度"},
                        {"ExtremelyLowTemperature", "极端最低温度"},
                        {"ExtremelyHighTemperature", "极端最高温度"},
                        {"AverageExtremelyLowTemperature", "极端最低温度平均值"},
                        {"TimeZone", "时区、时差"},
                        {"SoilHeatConductivity", "土壤导热系数"}};
        static const char* const ground[12][2] = {
            {"GroundTemperature_1", "土壤温度1"},   {"GroundTemperature_2", "土壤温度2"},
            {"GroundTemperature_3", "土壤温度3"},   {"GroundTemperature_4", "土壤温度4"},
            {"GroundTemperature_5", "土壤温度5"},   {"GroundTemperature_6", "土壤温度6"},
            {"GroundTemperature_7", "土壤温度7"},   {"GroundTemperature_8", "土壤温度8"},
            {"GroundTemperature_9", "土壤温度9"},   {"GroundTemperature_10", "土壤温度10"},
            {"GroundTemperature_11", "土壤温度11"}, {"GroundTemperature_12", "土壤温度12"}};
        for (const auto& g : ground)
            s.push_back({g[0], g[1]});
        s.push_back({"WinterAirConditioningDesignDrybulbTemperature", "冬季空调室外设计干球温度"});
        s.push_back({"WinterLowestDesignDrybulbTemperature", "冬季最低日平均室外设计干球温度"});
        return s;
    }();
    return set;
}

const CColumnSet LayeredSet = {{"catergory", "库名称"},
                               {"Name", "名称"},
                               {"InsulationMaterials", "保温材料"},
                               {"K_S", "夏季传热系数/K_S"},
                               {"K_W", "冬季传热系数/K_W"},
                               {"Beta", "传热衰减/β"},
                               {"D", "热惰性指标/D"},
                               {"Kesi_S", "夏季传热延迟时间/ξ_S"},
                               {"Kesi_W", "冬季传热延迟时间/ξ_W"},
                               {"Kesin_S", "夏季内表面放热延迟时间/ξn"},
                               {"Kesin_W", "冬季内表面放热延迟时间/ξn"},
                               {"Deta", "材料层厚度/δ"},
                               {"v_S", "夏季总衰减倍数/ν_S"},
                               {"v_W", "冬季总衰减倍数/ν_W"},
                               {"vn_S", "夏季内表面放热衰减倍数νn"},
                               {"vn_W", "冬季内表面放热衰减倍数νn"}};

const CColumnSet GroundSet = {{"catergory", "库名称"}, {"Name", "名称"},          {"InsulationMaterials", "保温材料"},
                              {"K_S", "夏季传热系数/K_S"}, {"K_W", "冬季传热系数/K_W"}, {"Deta", "材料层厚度/δ"},
                              {"GroundType", "地面类别"}};

const CColumnSet BasementSet = {{"catergory", "库名称"},     {"Name", "名称"},
                                {"InsulationMaterials", "保温材料"}, {"K_S", "夏季传热系数/K_S"},
                                {"K_W", "冬季传热系数/K_W"},  {"Beta", "传热衰减/β"},
                                {"D", "热惰性指标/D"},        {"Deta", "材料层厚度/δ"}};

const CColumnSet CurtainSet = {{"catergory", "库名称"},
                               {"Name", "结构名称"},
                               {"Pane", "玻璃层数"},
                               {"GlassType", "玻璃材料和厚度，3mm普通玻璃..."},
                               {"FrameType", "框架材料和类型"},
                               {"K_S", "传热系数(夏季)"},
                               {"K_W", "传热系数(冬季)"},
                               {"g", "构造修正系数/太阳得热系数"},
                               {"ExfiltrationGrade", "空气渗透性能等级"},
                               {"ExfiltrationCoefficient", "空气渗透系数m^3/m.h.Pa^0.67"}};

CColumnSet GlassRoofLike(const char* nameCaption)
{
    return {{"catergory", "库名称"},       {"Name", nameCaption},          {"Pane", "玻璃层数"},
            {"GlassType", "玻璃材料和厚度"}, {"FrameType", "框架材料和类型"}, {"K_S", "传热系数(夏季)"},
            {"K_W", "传热系数(冬季)"},      {"g", "构造修正系数/太阳得热系数"}};
}
const CColumnSet GlassRoofSet = GlassRoofLike("结构名称");
const CColumnSet SkylightSet = GlassRoofLike("外窗结构名称");

const CColumnSet OutsideWindowSet = {{"catergory", "库名称"},
                                     {"Name", "结构名称"},
                                     {"Pane", "玻璃层数,单层、双层"},
                                     {"GlassType", "玻璃材料和厚度，3mm普通玻璃..."},
                                     {"FrameType", "窗框材料和类型，钢框..."},
                                     {"K_S", "夏季传热系数K_S(W/m^2℃)"},
                                     {"K_W", "冬季传热系数K_W(W/m^2℃)"},
                                     {"g", "窗户的构造修正系数/窗户的太阳得热系数"},
                                     {"ShieldType", "遮阳类型"},
                                     {"InsideShieldMaterials", "内遮阳材料及颜色"},
                                     {"OutsideShield_B", "外遮阳参数：窗洞宽度B"},
                                     {"OutsideShield_H", "外遮阳参数：窗洞高度H"},
                                     {"OutsideShield_l", "外遮阳参数：水平板突出长度l"},
                                     {"OutsideShield_m", "外遮阳参数：垂直板突出长度m"},
                                     {"OutsideShield_f", "外遮阳参数：水平板到窗边距离f"},
                                     {"OutsideShield_g", "外遮阳参数：垂直板到窗边距离g"},
                                     {"ExfiltrationGrade", "空气渗透性能等级,I,II,III,IV,V"},
                                     {"ExfiltrationCoefficient", "空气渗透系数m^3/m.h.Pa^0.67"}};

const CColumnSet OutsideDoorSet = {
    {"catergory", "库名称"},
    {"Name", "结构名称"},
    {"Pane", "玻璃层数"},
    {"GlassType", "玻璃材料和厚度"},
    {"FrameType", "门框材料和类型"},
    {"K_S", "夏季传热系数"},
    {"K_W", "冬季传热系数"},
    {"g", "门的构造修正系数/窗户的太阳得热系数"},
    {"ShieldType", "遮阳类型,0-无遮阳设施,1-只有内遮阳，2-只有外遮阳，3-设内外遮阳"},
    {"InsideShieldMaterials", "内遮阳材料及颜色"},
    {"OutsideShield_B", "窗洞宽度B"},
    {"OutsideShield_H", "窗洞高度H"},
    {"OutsideShield_l", "水平板突出长度l"},
    {"OutsideShield_m", "垂直板突出长度m"},
    {"OutsideShield_f", "水平板到窗边距离f"},
    {"OutsideShield_g", "垂直板到窗边距离g"},
    {"ExfiltrationGrade", "空气渗透性能等级"},
    {"ExfiltrationCoefficient", "空气渗透系数m^3/m.h.Pa^0.67"}};

CColumnSet InsideLike(const char* frameCaption)
{
    return {{"catergory", "库名称"},       {"Name", "结构名称"},   {"Pane", "玻璃层数"},
            {"GlassType", "玻璃材料和厚度"}, {"FrameType", frameCaption}, {"K_S", "夏季传热系数"},
            {"K_W", "冬季传热系数"}};
}
const CColumnSet InsideWindowSet = InsideLike("窗框材料和类型");
const CColumnSet InsideDoorSet = InsideLike("文框材料和类型");

const CColumnSet UseSet = {{"Name", "用途名称"},
                           {"WinterACTemperature", "冬季室内设计温度"},
                           {"WinterACRH", "冬季室内设计相对湿度"},
                           {"SummerACTemperature", "夏季室内设计温度"},
                           {"SummerACRH", "夏季室内设计相对湿度"},
                           {"PeopleDensity", "人员密度"},
                           {"OutsideAirSupply", "新风量"},
                           {"Noise", "噪音"},
                           {"WinterHeatingTemperature", "冬季采暖设计温度"},
                           {"WinterHeatingRH", "冬季采暖设计相对湿度"},
                           {"TotalCoolIndex", "总冷指标"},
                           {"TotalHeatIndex", "总热指标"},
                           {"EnclosureCoolIndex", "围护冷指标"},
                           {"PeopleCoolIndex", "人员冷指标"},
                           {"OutsideAirCoolIndex", "新风冷指标"},
                           {"OthersCoolIndex", "其它冷指标"},
                           {"EnclosureHeatIndex", "围护热指标"},
                           {"PeopleHeatIndex", "人员热指标"},
                           {"OutsideAirHeatIndex", "新风热指标"},
                           {"PthersHeatIndex", "其它热指标"},
                           {"RHVariation", "允许设计相对湿度波动"},
                           {"RHVariation_Heating", "允许采暖设计相对湿度波动"},
                           {"MaximumAirVelocity", "室内允许最大风速"},
                           {"LaborType", "劳动类型"}};

const CColumnSet NoColumns;

struct SLibIndex
{
    const char* name;
    const char* ext;
    const char* table;
    const CColumnSet* columns;
};

const SLibIndex* Indexes()
{
    static const SLibIndex indexes[LibIndexCount] = {
        {"气象资料", ".qxzl", "WeatherData", &WeatherSet()},
        {"外墙", ".wq", "OutsideWall_Lib", &LayeredSet},
        {"内墙", ".nq", "InsideWall_Lib", &LayeredSet},
        {"玻璃幕墙", ".blmq", "GlassCurtainWall_Lib", &CurtainSet},
        {"玻璃屋顶", ".blwd", "GlassRoof_Lib", &GlassRoofSet},
        {"地板", ".db", "Floor_Lib", &LayeredSet},
        {"地面", ".dm", "Ground_lib", &GroundSet},
        {"地下室外墙", ".dxswq", "BasementWall_Lib", &BasementSet},
        {"房间用途", ".fjyt", "RoomOccupation", &UseSet},
        {"缝墙", ".fq", "GapWall_Lib", &LayeredSet},
        {"楼板", ".lb", "Ceiling_Lib", &LayeredSet},
        {"楼面", ".lm", "", &NoColumns},
        {"闷顶", ".md", "BlindStorey_Lib", &LayeredSet},
        {"内门", ".nm", "InsideDoor_Lib", &InsideDoorSet},
        {"外窗", ".wc", "OutsideWindow_Lib", &OutsideWindowSet},
        {"外门", ".wm", "OutsideDoor_Lib", &OutsideDoorSet},
        {"屋顶", ".wd", "Roof_Lib", &LayeredSet},
        {"屋面", ".wm", "", &NoColumns},
        {"悬空地板", ".xkdb", "ProjectionFloor_Lib", &LayeredSet},
        {"内窗", ".nc", "InsideWindow_Lib", &InsideWindowSet},
        {"天窗", ".tc", "SkyWindow_Lib", &SkylightSet},
        {"楼层用途", ".lcyt", "StoreyOccupation", &UseSet}};
    return indexes;
}

const SLibIndex* IndexAt(int index)
{
    return index >= 0 && index < LibIndexCount ? &Indexes()[index] : nullptr;
}

const CColumnSet& ColumnsOf(int index)
{
    const SLibIndex* entry = IndexAt(index);
    return entry ? *entry->columns : NoColumns;
}
} // namespace

QString LibFileMagic()
{
    return QStringLiteral("ZIROVI");
}

int LibFileVersion()
{
    return 100;
}

QString LibWeatherTable(int which)
{
    return which == 0 ? QStringLiteral("WeatherParameter") : QStringLiteral("WeatherData");
}

QString LibLayerCaption(int position)
{
    static const char* const captions[LibLayerCaptionCount] = {"材料名称", "材料层厚度", "换热系数",
                                                               "导热修正系数", "密度", "比热"};
    return position >= 0 && position < LibLayerCaptionCount ? QString::fromUtf8(captions[position]) : QString();
}

QString LibIndexName(int index)
{
    const SLibIndex* entry = IndexAt(index);
    return entry ? QString::fromUtf8(entry->name) : QString();
}

QString LibFileExt(int index)
{
    const SLibIndex* entry = IndexAt(index);
    return entry ? QString::fromUtf8(entry->ext) : QString();
}

QString LibIndexTable(int index)
{
    const SLibIndex* entry = IndexAt(index);
    return entry ? QString::fromUtf8(entry->table) : QString();
}

int LibColumnCount(int index)
{
    return static_cast<int>(ColumnsOf(index).size());
}

QString LibColumnKeyAt(int index, int position)
{
    const CColumnSet& set = ColumnsOf(index);
    return position >= 0 && position < static_cast<int>(set.size()) ? QString::fromUtf8(set[position].key) : QString();
}

QString LibColumnCaptionAt(int index, int position)
{
    const CColumnSet& set = ColumnsOf(index);
    return position >= 0 && position < static_cast<int>(set.size()) ? QString::fromUtf8(set[position].caption)
                                                                     : QString();
}

SLibColumn LibColumnCaption(int index, const QString& key)
{
    const CColumnSet& set = ColumnsOf(index);
    for (int p = 0; p < static_cast<int>(set.size()); ++p)
        if (key == QString::fromUtf8(set[p].key))
            return {p, QString::fromUtf8(set[p].caption)};
    return {};
}

SLibColumn LibColumnKey(int index, const QString& caption)
{
    const CColumnSet& set = ColumnsOf(index);
    for (int p = 0; p < static_cast<int>(set.size()); ++p)
        if (caption == QString::fromUtf8(set[p].caption))
            return {p, QString::fromUtf8(set[p].key)};
    return {};
}

int LibIndexOfKind(int kind)
{
    if (kind < 0 || kind >= LibraryKindCount)
        return -1;
    const QString name = LibraryName(kind);
    for (int index = 0; index < LibIndexCount; ++index)
        if (LibIndexName(index) == name)
            return index;
    return -1;
}

int LibKindOfIndex(int index)
{
    const QString name = LibIndexName(index);
    if (name.isEmpty())
        return -1;
    for (int kind = 0; kind < LibraryKindCount; ++kind)
        if (LibraryName(kind) == name)
            return kind;
    return -1;
}
