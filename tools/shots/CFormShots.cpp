#include "tools/shots/CFormShots.h"

FormShotList AllFormShots()
{
    FormShotList shots;
    AddMainWindowFormShots(shots);
    AddBulkFormShots(shots);
    return shots;
}
