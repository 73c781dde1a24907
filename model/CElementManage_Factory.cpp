#include "model/CElementBase.h"
#include "model/CElementManage.h"

std::unique_ptr<CElementBase> CElementManage::CreateElement(int type)
{
    if (type < 0 || type >= TypeCount)
        return nullptr;
    return std::make_unique<CElementBase>(type);
}
