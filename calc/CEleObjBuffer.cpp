#include "calc/CEleObjBuffer.h"

#include "model/CElementBase.h"
#include "model/CElementManage.h"
#include "model/TDM_Project.h"

std::unique_ptr<CElementBase> CreateElementObject(int type)
{
    return CElementManage::CreateElement(type);
}

CEleObjBuffer::CEleObjBuffer() = default;
CEleObjBuffer::~CEleObjBuffer() = default;

CEleObjBuffer& CEleObjBuffer::Instance()
{
    static CEleObjBuffer buffer;
    return buffer;
}

std::unique_ptr<CElementBase> CEleObjBuffer::AcquireElement(int type)
{
    if (type < 0 || type >= TypeCount)
        return nullptr;
    auto& spare = m_spare[static_cast<size_t>(type)];
    if (spare.empty())
        return CreateElementObject(type);
    std::unique_ptr<CElementBase> element = std::move(spare.front());
    spare.pop_front();
    // The query it was made with may belong to a data module that has gone since.
    element->m_Query = TDM_Project::Exists() ? &TDM_Project::Current().Element : nullptr;
    return element;
}

void CEleObjBuffer::ReleaseElement(std::unique_ptr<CElementBase> element)
{
    if (!element)
        return;
    const int type = element->Type();
    if (type < 0 || type >= TypeCount)
        return;
    auto& spare = m_spare[static_cast<size_t>(type)];
    if (static_cast<int>(spare.size()) >= MaxSpare)
        return;
    // A spare outlives the tree node it was loaded for.
    element->Node = nullptr;
    spare.push_back(std::move(element));
}

int CEleObjBuffer::SpareCount(int type) const
{
    return type < 0 || type >= TypeCount ? 0 : static_cast<int>(m_spare[static_cast<size_t>(type)].size());
}
