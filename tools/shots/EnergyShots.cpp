#include "tools/shots/CFormShots.h"

#include "platform/core/CProgramFolder.h"
#include "report/forms/TECO_OutWindow.h"
#include "report/forms/TECO_OutsideDoor.h"
#include "report/forms/TFigureParamSet.h"
#include "report/forms/TReport.h"
#include "report/forms/TWinWallRatio.h"
#include "tools/CDemoProject.h"

// The energy-saving checks of the demonstration building, as the check commands open them.
void AddEnergyFormShots(FormShotList& shots)
{
    const QString building = CDemoProject::BuildingCaption();
    shots.push_back({QStringLiteral("TFigureParamSet"), [building](TVoro_Main&) {
                         return std::make_unique<TFigureParamSet>(nullptr, building);
                     }});
    shots.push_back({QStringLiteral("TWinWallRatio"),
                     [building](TVoro_Main&) { return std::make_unique<TWinWallRatio>(nullptr, building); }});
    shots.push_back({QStringLiteral("TECO_OutWindow"), [building](TVoro_Main&) {
                         return std::make_unique<TECO_OutWindow>(nullptr, building);
                     }});
    shots.push_back({QStringLiteral("TECO_OutsideDoor"), [building](TVoro_Main&) {
                         return std::make_unique<TECO_OutsideDoor>(nullptr, building);
                     }});
    shots.push_back({QStringLiteral("TReport"), [building](TVoro_Main&) {
                         auto report = std::make_unique<TReport>(nullptr);
                         report->SetBuildingName(building);
                         report->SetTemplatePath(CProgramFolder::Resolve(QStringLiteral("Lib\\reportA.fr3")));
                         report->GatherValues();
                         // Maximized in use; without a window manager the picture needs a size.
                         report->setWindowState(Qt::WindowNoState);
                         report->resize(1000, 760);
                         return report;
                     }});
}
