// The example plug-in "房间面积表": walks the project tree through the host data functions and lists
// every enabled room with its floor area, the sum in the last row. It shows the whole road a
// plug-in takes: exports read at load, its paths handed over before each call, the tree and the
// element records read through libmiddledll.so, and a report of the program's report engine that
// stays the plug-in's.
#include "platform/core/CGbkCodec.h"
#include "platform/plugin/MiddleDll.h"
#include "report/engine/CQORReport.h"

#include <QByteArray>
#include <QString>
#include <exception>
#include <memory>
#include <vector>

#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
constexpr int kRoomType = 3;
constexpr int kDetailedAC = 3;

std::unique_ptr<CQORReport> s_report;

struct SRoom
{
    QString Caption;
    double Area = 0;
};

QString FromHost(const char* text)
{
    return text ? CGbkCodec::FromGbk(QByteArray(text)) : QString();
}

// The value of the column in a name/value list that ends with an empty slot.
QString ListValue(const std::vector<char>& names, const std::vector<char>& values, const char* column)
{
    for (size_t offset = 0; offset + DIDIVOV_SLOT_BYTES <= names.size() && names[offset] != '\0';
         offset += DIDIVOV_SLOT_BYTES)
        if (QString::fromLatin1(&names[offset]).compare(QLatin1String(column), Qt::CaseInsensitive) == 0)
            return FromHost(&values[offset]);
    return QString();
}

// Image indexes above 30 mark idle nodes, which the calculation leaves out with their subtree.
void CollectRooms(int parentId, std::vector<SRoom>& rooms)
{
    const int count = GetChildNodes(parentId, nullptr, nullptr, 0);
    if (count <= 0)
        return;
    std::vector<int> ids(static_cast<size_t>(count));
    std::vector<char> captions(static_cast<size_t>(count) * DIDIVOV_SLOT_BYTES);
    const int filled = std::min(count, GetChildNodes(parentId, ids.data(), captions.data(), count));
    for (int i = 0; i < filled; ++i) {
        const int image = GetNodeImageIndex(ids[i]);
        if (image < 0 || image > 30)
            continue;
        if (image == kRoomType) {
            // Room records have fewer than a hundred columns.
            std::vector<char> names(100 * DIDIVOV_SLOT_BYTES), values(100 * DIDIVOV_SLOT_BYTES);
            const int elementId = GetNodeElementId(ids[i]);
            if (GetElementRecord(kRoomType, elementId, names.data(), values.data()))
                rooms.push_back({FromHost(&captions[static_cast<size_t>(i) * DIDIVOV_SLOT_BYTES]),
                                 ListValue(names, values, "Area").toDouble()});
            continue;
        }
        CollectRooms(ids[i], rooms);
    }
}

CQORReport* BuildReport(const QString& folder)
{
    std::vector<SRoom> rooms;
    CollectRooms(-1, rooms);
    auto report = std::make_unique<CQORReport>();
    report->LoadReportTemplate(folder + QStringLiteral("RoomArea.grf"));
    report->SetReportParameter(QStringLiteral("subtitle"), QStringLiteral("房间面积表"));
    report->AddReportField(QStringLiteral("Field1")).AddReportField(QStringLiteral("Field2"))
        .AddReportField(QStringLiteral("Field3"));
    double total = 0;
    int row = 0;
    for (const SRoom& room : rooms) {
        report->SetReportCellInt(row, 0, row + 1).SetReportCell(row, 1, room.Caption)
            .SetReportCellFormat(row, 2, room.Area, "%.2f");
        total += room.Area;
        ++row;
    }
    report->SetReportCell(row, 1, QStringLiteral("合计")).SetReportCellFormat(row, 2, total, "%.2f");
    s_report = std::move(report);
    return s_report.get();
}

const QByteArray& GbkName()
{
    static const QByteArray name = CGbkCodec::ToGbk(QStringLiteral("房间面积表"));
    return name;
}

const QByteArray& GbkExplain()
{
    static const QByteArray text = CGbkCodec::ToGbk(QStringLiteral("列出工程中每个房间的面积及合计面积"));
    return text;
}
} // namespace

PLUGIN_EXPORT int GetDllVersion()
{
    return 1;
}

PLUGIN_EXPORT const char* GetItemName()
{
    return GbkName().constData();
}

PLUGIN_EXPORT int GetCalculateType()
{
    return kDetailedAC;
}

PLUGIN_EXPORT const char* GetDllExplain()
{
    return GbkExplain().constData();
}

PLUGIN_EXPORT void SetWorkPath(const char*, const char*) {}

PLUGIN_EXPORT void OutPutOrMainForm(int) {}

// Nothing may unwind into the host's C call.
PLUGIN_EXPORT CQORReport* GetReport(const char* plugFolder)
{
    try {
        return BuildReport(FromHost(plugFolder));
    } catch (const std::exception&) {
        s_report.reset();
        return nullptr;
    }
}
