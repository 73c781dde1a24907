#pragma once
#include "report/CHeatingLoadBookBase.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class CCalculate_Manager;
class CElementBase;
class CQORReport;

// One row of the heating-load book: a text per report field, every one "0" when made.
struct CRptRecord
{
    static constexpr int FieldCount = 94;
    CRptRecord() { Texts.fill(QStringLiteral("0")); }
    std::array<QString, FieldCount> Texts;
};

// The heating-load calculation book of design type 6 ("lib/Report/HLOutput.grf"): one row per
// heat-loss element of every room whose "bOutputHL" is set, with its size, coefficients and peak
// components Q1..Qg, and the peak sums of the room, storey, building and project (and per m²)
// written into the last row of each. Element values are in W; the level peaks follow the
// project's unit. Every room counts in the sums, output or not.
//
// A room whose calculation fails ends the walk: it is named in a row of its own and the project
// total reads "大楼汇总(不完整)", since the sums then miss it and the rooms after it.
class CHLDReport : public CHeatingLoadBookBase
{
public:
    static constexpr int HourRows = 8;
    using HourTable = float[HourRows][24];

    CHLDReport();
    ~CHLDReport() override;

    // Fills the book from the manager's built structure and previews it when any room was output.
    CQORReport* BuildReport(CCalculate_Manager& manager) override;

    // The row callback of the room calculation, and of the summaries (kind 1, 2, 3; 99 for the
    // project with the last building standing for it). p[1..5] are printed as K, α, Xch, Xf, Xm;
    // p[6] is a skylight's direction or an inside window's or door's between-rooms flag. The hour
    // table's rows 0..3 come filled; it is cleared on return. x: the level's area.
    void WriteRow(CElementBase* element, const float* p, HourTable& table, const float* a, const float* b,
                  double x, int kind);

    // Copies the rows into the report and previews it.
    void FillReport();

    CQORReport& Report() const { return *m_report; }
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const CRptRecord& Row(int index) const { return *m_rows[static_cast<size_t>(index)]; }
    // Captions of the rooms whose calculation failed.
    const QStringList& FailedRooms() const { return m_failedRooms; }

    // The names of the 94 report fields in column order.
    static const QStringList& FieldNames();
    // Value of largest magnitude, the earliest hour winning a tie; 0 for all zeros.
    static float PeakOf24(const float* values);
    // Per row the value of largest magnitude, the latest hour winning a tie, times 0.8598452 in
    // a kcal/h project.
    static std::array<float, HourRows> LevelPeaks(const HourTable& sums, bool kcal);

    QString BuildingLabel, StoreyLabel, RoomLabel;
    bool RoomSelected = false;

private:
    void WriteSummary(CRptRecord& row, const HourTable& sums, int base, double x) const;
    void WriteRoomData(CRptRecord& row, const CElementBase& room) const;
    void AddFailedRoom(const QString& caption);

    std::unique_ptr<CQORReport> m_report;
    HourTable m_roomSums{}, m_storeySums{}, m_buildingSums{}, m_projectSums{};
    int m_elementState = -1;
    int m_storeyState = -1;
    int m_buildingState = -1;
    int m_projectState = -1;
    int m_direction = 0;
    std::vector<std::unique_ptr<CRptRecord>> m_rows;
    CRptRecord* m_current = nullptr;
    QStringList m_failedRooms;
    bool m_kcal = false;
};
