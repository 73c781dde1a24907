#include "tools/shots/CFormShots.h"

FormShotList AllFormShots()
{
    FormShotList shots;
    AddMainWindowFormShots(shots);
    return shots;
}
