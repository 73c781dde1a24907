#pragma once
#include "platform/core/CCurrent.h"

class CQORReport;

// The program's report preview window, installed at start by the window layer; tests install a fake.
// Core code reaches it through Current(), so previewing needs no widget code below the window layer.
class CReportPreviewBase : public CCurrent<CReportPreviewBase>
{
public:
    static constexpr const char* SlotName = "CReportPreviewBase";

    virtual ~CReportPreviewBase() = default;
    // Shows the report modally; returns when the user closes the window.
    virtual void ShowPreview(CQORReport& report) = 0;
};
