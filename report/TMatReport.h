#pragma once
#include "platform/core/CDbQuery.h"

#include <QString>
#include <memory>

class CQORReport;

// The material preview of a building, storey or room: the constructions its elements use, opaque
// ones in the wall report ("lib\report\Wall_Lab.grf"), glazed ones and doors in the glass report
// ("lib\report\Glass_Lab.grf") shown after it. Each library record used is listed once per element
// type. Reads the project's library copies (the element tables with the suffix "_Lib").
class TMatReport
{
public:
    // Both reports with their templates and fields; needs the open project.
    TMatReport();
    ~TMatReport();
    TMatReport(const TMatReport&) = delete;
    TMatReport& operator=(const TMatReport&) = delete;

    // Fills both reports with the constructions used under the element: level 1 a building, 2 a
    // storey, 3 a room. A query failure ends the scan with Exception (the progress window closed).
    void LoadMaterials(int elementId, int level);
    // Previews the two reports as one document, then deletes both.
    void ShowReports();

    // The row buffers: every real back to -1 (an empty cell), the glass air-tightness grade empty.
    void ResetRows();
    void AddWallRow();
    void AddGlassRow();

    CQORReport* WallReport() const { return m_wallReport.get(); }
    CQORReport* GlassReport() const { return m_glassReport.get(); }

private:
    CDbQuery ADOQuery1;
    std::unique_ptr<CQORReport> m_wallReport;
    std::unique_ptr<CQORReport> m_glassReport;
    QString m_wallTexts[3]; // type, name, insulation material
    float m_wallReals[13];  // Deta, Beta, D, K_S, K_W, v_S, v_W, Kesi_S, Kesi_W, vn_S, vn_W, Kesin_S, Kesin_W
    QString m_glassTexts[6]; // type, name, panes, glass, frame, air-tightness grade
    float m_glassReals[12];  // K_S, K_W, g, ExfiltrationCoefficient, Inside_Sunshade, Outside_Sunshade,
                             // Glass_Revise
    int m_wallRowCount = 0;
    int m_glassRowCount = 0;
};
