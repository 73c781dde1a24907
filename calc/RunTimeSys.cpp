#include "calc/RunTimeSys.h"

#include "calc/CRunTimeFileReader.h"

#include <algorithm>

namespace {
constexpr int kFirstOnHour = 8;
constexpr int kLastOnHour = 18;
} // namespace

RunTimeSys::RunTimeSys() : ResultSums(static_cast<size_t>(SeriesCount) * HourCount, 0.0f)
{
    for (int d = 0; d < Days; ++d)
        for (int h = kFirstOnHour; h <= kLastOnHour; ++h)
            HourFlags[static_cast<size_t>(d * Hours + h)] = 1;
}

void RunTimeSys::ClearSums()
{
    std::fill(ResultSums.begin(), ResultSums.end(), 0.0f);
}

bool RunTimeSys::ReadFrom(CRunTimeFileReader& in)
{
    if (!in.ReadText(Name) || !in.ReadBytes(HourCount, HourFlags.data()))
        return false;
    // The program writes only 0 and 1; any other flag would scale the loads of its hour.
    if (std::any_of(HourFlags.begin(), HourFlags.end(), [](unsigned char flag) { return flag > 1; }))
        return false;
    RoomIds.clear();
    qint32 rooms = 0;
    if (!in.ReadInt(rooms) || rooms < 0 || qint64(rooms) * 4 > in.Remaining())
        return false;
    for (int i = 0; i < rooms; ++i) {
        qint32 id = 0;
        in.ReadInt(id);
        RoomIds.append(id);
    }
    float stored[Days * StoredSeries];
    if (!in.ReadFloats(stored, Days * StoredSeries))
        return false;
    for (int d = 0; d < Days; ++d)
        for (int k = 0; k < StoredSeries; ++k)
            Sum(k, d) = stored[d * StoredSeries + k];
    return true;
}

void RunTimeSys::WriteTo(QByteArray& out) const
{
    RunTimeFile::WriteText(out, Name);
    out.append(reinterpret_cast<const char*>(HourFlags.data()), HourCount);
    RunTimeFile::WriteInt(out, static_cast<qint32>(RoomIds.size()));
    for (int id : RoomIds)
        RunTimeFile::WriteInt(out, id);
    float stored[Days * StoredSeries];
    for (int d = 0; d < Days; ++d)
        for (int k = 0; k < StoredSeries; ++k)
            stored[d * StoredSeries + k] = Sum(k, d);
    RunTimeFile::WriteFloats(out, stored, Days * StoredSeries);
}
