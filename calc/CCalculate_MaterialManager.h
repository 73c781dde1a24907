#pragma once
#include "platform/core/CMyMap.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

class CMaterialBase;
class CNodeData;

// The library records read during one calculation run, by library kind code and record ID: each
// record is read from the project database at most once and stays valid until the cache is
// destroyed (the end of the run). A record missing from its library is reported in the message
// list window each time it is asked for and yields null.
class CCalculate_MaterialManager
{
public:
    static constexpr int KindCount = 30;

    CCalculate_MaterialManager();
    ~CCalculate_MaterialManager();
    CCalculate_MaterialManager(const CCalculate_MaterialManager&) = delete;
    CCalculate_MaterialManager& operator=(const CCalculate_MaterialManager&) = delete;

    // The record of the kind with that ID; the asking element's tree node (may be null) names the
    // owner in the message about a missing record.
    CMaterialBase* GetMaterial(int kind, const CNodeData* node, int id);
    // The record of the kind with that ID, read on first use; null for schedules (kind 17), kinds
    // without a record class and missing records. A database failure raises.
    CMaterialBase* LoadMaterial(int kind, const QString& name, int id, const QString& ownerPath);

private:
    std::array<CMyMap<int, CMaterialBase*>, KindCount> m_maps;
    std::array<std::vector<std::unique_ptr<CMaterialBase>>, KindCount> m_lists;
};
