#include "model/NameTables.h"

#include "platform/core/Exception.h"

#include <cmath>

namespace {
struct SLibraryKind
{
    const char* name;
    const char* table;
    const char* record;
    int shape;
    int elementType;
};

const SLibraryKind LibraryKinds[LibraryKindCount] = {
    {"外墙", "OutsideWall_Lib", "OutsideWall", 0, 9},
    {"内墙", "InsideWall_Lib", "InsideWall", 0, 13},
    {"楼板", "Ceiling_Lib", "Ceiling", 0, 16},
    {"地板", "Floor_Lib", "Floor", 0, 21},
    {"屋顶", "Roof_Lib", "Roof", 0, 17},
    {"闷顶", "BlindStorey_Lib", "BlindStorey", 0, 19},
    {"外窗", "OutsideWindow_Lib", "OutsideWindow", 0, 10},
    {"外门", "OutsideDoor_Lib", "OutsideDoor", 0, 11},
    {"玻璃幕墙", "GlassCurtainWall_Lib", "GlassCurtainWall", 0, 12},
    {"玻璃屋顶", "GlassRoof_Lib", "GlassRoof", 0, 20},
    {"内窗", "InsideWindow_Lib", "InsideWindow", 0, 14},
    {"内门", "InsideDoor_Lib", "InsideDoor", 0, 15},
    {"天窗", "SkyWindow_Lib", "SkyWindow", 0, 18},
    {"地面", "Ground_Lib", "Ground", 0, 22},
    {"悬空地板", "ProjectionFloor_Lib", "ProjectionFloor", 0, 23},
    {"缝墙", "GapWall_Lib", "GapWall", 0, 24},
    {"房间用途", "RoomOccupation", "RoomOccupation", 1, -1},
    {"时间表", "Schedule", "Schedule", 2, -1},
    {"楼层用途", "StoreyOccupation", "StoreyOccupation", 1, -1},
    {"地下室外墙", "BasementWall_Lib", "BasementWall", 0, 29},
    {"气象资料", "WeatherParameter", "WeatherParameter", 3, -1},
};

struct SElementName
{
    const char* table;
    const char* name;
};

const SElementName ElementNames[ElementTypeCount] = {
    {"Project", "工程"},
    {"Building", "大楼"},
    {"Storey", "楼层"},
    {"Room", "房间"},
    {"People", "人员"},
    {"Lighting", "照明"},
    {"HeatingEquipment", "电热设备"},
    {"ElectronicEquipment", "电子设备"},
    {"ElectricEquipment", "电动设备"},
    {"OutsideWall", "外墙"},
    {"OutsideWindow", "外窗"},
    {"OutsideDoor", "外门"},
    {"GlassCurtainWall", "玻璃幕墙"},
    {"InsideWall", "内墙"},
    {"InsideWindow", "内窗"},
    {"InsideDoor", "内门"},
    {"Ceiling", "楼板"},
    {"Roof", "屋顶"},
    {"SkyWindow", "天窗"},
    {"BlindStorey", "闷顶"},
    {"GlassRoof", "玻璃屋顶"},
    {"Floor", "地板"},
    {"Ground", "地面"},
    {"ProjectionFloor", "悬空地板"},
    {"GapWall", "缝墙"},
    {"Food", "食物及其它"},
    {"Evaporating", "水面蒸发"},
    {"Infiltration", "空气渗透"},
    {"Others", "其它"},
    {"BasementWall", "地下室外墙"},
    {"SubTree", "子树"},
};

const int EnvelopeTypes[EnvelopeKindCount] = {9,  10, 11, 12, 13, 14, 15, 16, 17,
                                              18, 19, 20, 21, 22, 23, 24, 29};

const char* const DesignTypeNames[DesignTypeCount] = {
    "空调负荷简单估算", "空调负荷分项估算", "空调负荷智能估算", "空调负荷详细计算", "空调负荷逐月计算",
    "空调负荷逐日计算", "采暖负荷详细计算", "采暖负荷逐月计算", "采暖负荷逐日计算"};

const int MonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
const int MonthStarts[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

const char* const Digits[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

int Checked(int index, int count, const char* table)
{
    if (index < 0 || index >= count)
        throw Exception(QStringLiteral("%1的序号%2超出范围").arg(QString::fromUtf8(table)).arg(index));
    return index;
}
} // namespace

QString LibraryName(int kind)
{
    return QString::fromUtf8(LibraryKinds[Checked(kind, LibraryKindCount, "库类型")].name);
}

QString LibraryTableName(int kind)
{
    return QString::fromUtf8(LibraryKinds[Checked(kind, LibraryKindCount, "库类型")].table);
}

QString LibraryRecordName(int kind)
{
    return QString::fromUtf8(LibraryKinds[Checked(kind, LibraryKindCount, "库类型")].record);
}

int LibraryShape(int kind)
{
    return LibraryKinds[Checked(kind, LibraryKindCount, "库类型")].shape;
}

int LibraryElementType(int kind)
{
    return LibraryKinds[Checked(kind, LibraryKindCount, "库类型")].elementType;
}

QString ElementTableName(int type)
{
    return QString::fromUtf8(ElementNames[Checked(type, ElementTypeCount, "构件类型")].table);
}

QString ElementTypeName(int type)
{
    return QString::fromUtf8(ElementNames[Checked(type, ElementTypeCount, "构件类型")].name);
}

int EnvelopeElementType(int index)
{
    return EnvelopeTypes[Checked(index, EnvelopeKindCount, "围护结构类型")];
}

QString EnvelopeKindName(int index)
{
    return ElementTypeName(EnvelopeElementType(index));
}

QString DesignTypeName(int designType)
{
    return QString::fromUtf8(DesignTypeNames[Checked(designType, DesignTypeCount, "计算类型")]);
}

int DaysOfMonth(int month)
{
    return MonthDays[Checked(month, 12, "月份")];
}

int MonthFirstDay(int month)
{
    return MonthStarts[Checked(month, 12, "月份")];
}

QString ChineseNumeral(int number)
{
    Checked(number - 1, 31, "中文数字");
    const int tens = number / 10;
    const int ones = number % 10;
    QString text;
    if (tens > 1)
        text += QString::fromUtf8(Digits[tens]);
    if (tens > 0)
        text += QStringLiteral("十");
    text += QString::fromUtf8(Digits[ones]);
    return text;
}

QString DecimalFormat(int decimals)
{
    Checked(decimals, 5, "小数位数");
    return decimals == 0 ? QStringLiteral("0.") : QStringLiteral("0.") + QString(decimals, '0');
}

QString FormatFloatTrimmed(const QString& pattern, double value)
{
    const int point = pattern.indexOf('.');
    const int decimals = point < 0 ? 0 : static_cast<int>(pattern.size() - point - 1);
    // Half away from zero, as the printed tables expect, rather than the binary tie rule.
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0)
        rounded = 0.0; // no "-0"
    QString text = QString::number(rounded, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text;
}

void NotifyElementPageLoad() {}

void NotifyMainFormClose() {}
