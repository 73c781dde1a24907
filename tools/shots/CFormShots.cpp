#include "tools/shots/CFormShots.h"

FormShotList AllFormShots()
{
    FormShotList shots;
    AddMainWindowFormShots(shots);
    AddLanguageFormShots(shots);
    AddBookFormShots(shots);
    AddBulkFormShots(shots);
    AddCadFormShots(shots);
    AddScheduleFormShots(shots);
    AddSchemeFormShots(shots);
    AddEnergyFormShots(shots);
    AddLibraryManagerFormShots(shots);
    AddLibraryEditorFormShots(shots);
    AddChartFormShots(shots);
    return shots;
}
