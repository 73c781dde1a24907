#pragma once
#include <QString>

#include <functional>
#include <span>
#include <vector>

// The load summary writes its lines into message category 3 from tables of lines. Consecutive
// lines of one node kind form a block; each line names the result array whose peak it prints.

// Node kinds of the blocks.
constexpr int kAnyNodeKind = -1;
// The totals block belongs to the project, building, storey and room nodes (kinds 0 to 3).
constexpr int kTotalsBlock = -2;

// One line. Text is a format whose first "%f" takes the peak of the array, "%s" its peak hour
// and a second "%f" its index ("%f" prints two decimals); a text without "%" is a label and the
// line reads "<label>: %f "; a null text takes the caption of the array as its label.
struct SSummaryLine
{
    // The node kind of the block the line belongs to, or kTotalsBlock.
    int Block = kTotalsBlock;
    const char* Text = nullptr;
    int Array = 0;
    // Printed only for this node kind (kAnyNodeKind: for every kind).
    int OnlyKind = kAnyNodeKind;
};

// Which blocks a node kind prints.
enum class ESummaryChoice
{
    // Every block, for every node kind (-1 included).
    Every,
    // From the node's block to the end of the list.
    FromKind,
    // Every block for the kinds 0 to 3 (the totals block first), else the node's block alone.
    TotalsOrOwn,
};

// Where the values of a line come from, by array. PeakHour, Index and Caption are asked only by
// lines that use them.
struct SSummaryValues
{
    std::function<double(int array)> Peak;
    std::function<QString(int array)> PeakHour;
    std::function<double(int array)> Index;
    std::function<QString(int array)> Caption;
};

QString FormatSummaryLine(const SSummaryLine& line, const SSummaryValues& values);
// Writes the lines of the blocks that the node kind chooses to category 3, in table order; a
// kind that has no block of its own prints nothing (except with ESummaryChoice::Every).
void PrintSummaryBlocks(std::span<const SSummaryLine> lines, int kind, ESummaryChoice choice,
                        const SSummaryValues& values);

// The totals field that receives the peak of each array of an hourly result record, read back
// from the record's layout (the one place that maps them): array k, alone in its series with the
// value k + 1 at hour 0, peaks at k + 1 in its field. A peak whose sign filter refuses positive
// values is found with -(k + 1).
template <typename Record> int PeakFieldOf(int array)
{
    static const std::vector<int> fields = [] {
        using Totals = typename decltype(Record::Totals)::element_type;
        std::vector<int> byArray(Record::ArrayCount, -1);
        for (const float sign : {1.0f, -1.0f}) {
            std::vector<float> series(static_cast<size_t>(Record::ArrayCount * Record::Hours), 0.0f);
            for (int k = 0; k < Record::ArrayCount; ++k)
                series[static_cast<size_t>(k * Record::Hours)] = sign * static_cast<float>(k + 1);
            Totals totals{};
            Record::Layout().WritePeaks(series.data(), totals.Value);
            for (int field = 0; field < Totals::ValueCount; ++field)
                if (const float found = sign * totals.Value[field]; found > 0)
                    byArray[static_cast<size_t>(found) - 1] = field;
        }
        return byArray;
    }();
    return fields[static_cast<size_t>(array)];
}

// The peak of the array that the record's totals hold.
template <typename Record> float TotalsPeakOf(const Record& record, int array)
{
    return record.Totals->Value[PeakFieldOf<Record>(array)];
}
