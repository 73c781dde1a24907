#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CReportPage;
class QWidget;
class TVoro_Main;

// One picture of a window or page for `./run.sh screenshot`. Name is the form class as the program
// names it, with a suffix for a variant ("TRoomForm-dt3"); Make builds the widget on the main window
// with the demonstration project open (after "最大负荷" under the estimates; a shot that needs
// another design type or node chooses it through the window's actions and tree), set up as the
// picture should show it, without running it modally. The screenshot program shows it,
// saves "<Name>.png" beside the main window's picture and deletes it.
struct SFormShot
{
    QString Name;
    std::function<std::unique_ptr<QWidget>(TVoro_Main& window)> Make;
};
using FormShotList = std::vector<SFormShot>;

// Every form shot, gathered from the lists of each area (one function per area, each in its own
// file under tools/shots/).
FormShotList AllFormShots();

// A printed page drawn at 100 dpi as a label of its size; an empty label without a page.
std::unique_ptr<QWidget> PagePicture(const CReportPage* page);

void AddMainWindowFormShots(FormShotList& shots);
void AddBulkFormShots(FormShotList& shots);
void AddCadFormShots(FormShotList& shots);
void AddScheduleFormShots(FormShotList& shots);
void AddSchemeFormShots(FormShotList& shots);
void AddEnergyFormShots(FormShotList& shots);
void AddBookFormShots(FormShotList& shots);
void AddLanguageFormShots(FormShotList& shots);
void AddLibraryManagerFormShots(FormShotList& shots);
void AddLibraryEditorFormShots(FormShotList& shots);
void AddChartFormShots(FormShotList& shots);
