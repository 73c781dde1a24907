#pragma once
#include "calc/CCalculate_System.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class CCalculate_Room;
class QIODevice;

// The air systems of one kind (primary-air or outdoor-air) of a run: one system per distinct name,
// in order of first appearance, each with the sum of its rooms' results. Lives for one export or
// one statistics section and must be destroyed while the run's result pool exists. Reads the
// program-wide project parameters (StatisticalStyle, Unit) and the current design type.
class CCalculate_System_Manage
{
public:
    // Which cooling load the condition-analysis file writes.
    enum LoadType : int
    {
        TotalHeat = 0,
        SensibleHeat = 1,
        LatentHeat = 2
    };

    // Writes one statistics row of the calculation book and advances the book's row counter:
    // label (the row name), result, cooling area (m²), step (0 .. steps-1), room flag (1 for a
    // room row, 0 for the system's row), heating area (-1: the cooling area).
    using StatisticsRowWriter = std::function<void(const QString& label, void* result, float area, int step,
                                                   int roomFlag, float heatArea)>;

    explicit CCalculate_System_Manage(int loadType = TotalHeat) : m_loadType(loadType) {}

    int LoadType() const { return m_loadType; }
    void SetLoadType(int loadType) { m_loadType = loadType; }
    const std::vector<std::unique_ptr<CCalculate_System>>& Systems() const { return m_systems; }

    // Adds the room (calculated, its result of the current design type) to the system of that name
    // (exact, case-sensitive), created when new. Its result is added into the system's: the peaks
    // only when StatisticalStyle is not 0, else hour by hour. An empty name does nothing.
    void AddRoom(const QString& name, CCalculate_Room& room);

    // For every system: a line " " appended to each of the n lists, then per room and per step
    // 0..n-1 a row labelled with the room's caption (room Area), then per step a row labelled with
    // the system's name (the rooms' areas summed). With StatisticalStyle 0 the totals of each
    // result are computed before its rows.
    void WriteStatistics(QStringList* lists, int n, const StatisticsRowWriter& writeRow);

    // The condition blocks of every system with rooms: the system's own entry (its room names,
    // the design states of its first room, its load lines), then each room's entry, "EndRoom".
    void WriteConditionBlocks(QIODevice& file) const;
    // The summer and winter lines "%f %f %f" (load, moisture kg/h, outdoor-air volume m³/h) of the
    // result for the current design type, loads in kW in a W project; nothing for the design types
    // without such lines (0, 1, 6, 7, 8) or a null result.
    void WriteLoadLines(QIODevice& file, const void* result) const;

    // The text as GBK with every "\n" written as CR LF.
    static void WriteFileText(QIODevice& file, const QString& text);

private:
    std::vector<std::unique_ptr<CCalculate_System>> m_systems;
    int m_loadType;
};
