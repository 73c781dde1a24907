#pragma once

struct CSystemVersionControl;

// The steps of the system upgrade chain, named after the stored version at which the chain enters
// them (CSystemUpgradeChain lists them in order). Failed statements raise Exception with the
// statement. A step that needs a file of the program folder ("Project\ProjectModule.dat",
// "System\Schedule_New.dat") and does not find it raises "系统找不到配置文件\n<path>", so that the
// database keeps its version and the step runs again once the file is back.
namespace SystemSchemaSteps {
void Step45(CSystemVersionControl& context);
void Step46(CSystemVersionControl& context);
void Step47(CSystemVersionControl& context);
void Step48(CSystemVersionControl& context);
// Entered at 49, 50 and 51.
void Step49(CSystemVersionControl& context);
void Step52(CSystemVersionControl& context);
void Step53(CSystemVersionControl& context);
void Step54(CSystemVersionControl& context);
void Step55(CSystemVersionControl& context);
void Step56(CSystemVersionControl& context);
} // namespace SystemSchemaSteps

// The refresh step: by the version stored before the upgrade, the standard day schedules no week
// schedule uses (49 or below), the output flags of hourly data and default value 63 (50 or below),
// and the three office working-day schedules when none of them is present.
void RefreshSystemDatabase(CSystemVersionControl& context);
