#pragma once
#include "platform/core/CMyMap.h"

#include <QString>

// Export settings: names mapped to integer values written as text. Read: "ExportNewSheet" (1: each
// direct sub-report of a workbook export on a sheet of its own) and "SameAsPrint" (1: the workbook
// takes the report's page set-up).
class CReportConfig
{
public:
    CMyMap<QString, QString> m_Values;
};

// The setting's value read as C's atol reads it (leading blanks, an optional sign, the digits up to
// the first other character; 0 without digits), or the default when the settings lack the name or
// there are no settings.
int GetReportConfigInt(const CReportConfig* settings, const QString& name, int defaultValue);
