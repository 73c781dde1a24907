#pragma once
#include "report/engine/CReportPreviewBase.h"

// The program's report preview: a new preview window for each report, shown modally and destroyed
// when it closes. Installed once at start.
class TReportPreviewer : public CReportPreviewBase
{
public:
    void ShowPreview(CQORReport& report) override;
};
