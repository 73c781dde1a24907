#pragma once
#include "platform/core/CCurrent.h"

#include <QString>
#include <memory>

class CDbQuery;
class CElementBase;

// One row of ElementBasePerformance: the project table, display name, parent type and the design
// types that use an element type, with the counter for new IDs of that type.
struct SElementTypeInfo
{
    QString Name;   // project table
    QString Remark; // display name
    int TypeIndex = 0;
    int DisEnabledImageIndex = 0;
    int ParentTypeIndex = 0;
    int IsACLoadSimpleEstimation = 0;
    int IsACLoadItemsEstimation = 0;
    int IsACLoadIntelligentEstimation = 0;
    int IsACLoadCalculation = 0;
    int IsACLoadMonthlyCalculation = 0;
    int IsACLoadDailyCalculation = 0;
    int IsHeatingLoadCalculation = 0;
    int LastElementId = -1; // -1: max(ID) not read from the project yet

    // The next free element ID of the type: the table's max(ID) read once, then counted up.
    // A failed query raises "查询SQL发生异常:\n%s\n执行的语句:%s".
    int NewElementId();
    // Non-zero when the type takes part in the design type (0..8).
    int UsedByDesignType(int designType) const;
};

// The element-type registry, loaded once from the system database; registered as Current().
class CElementManage : public CCurrent<CElementManage>
{
public:
    static constexpr const char* SlotName = "CElementManage";
    static constexpr int TypeCount = 31;

    // Fills the rows from the ElementBasePerformance query of the system data module; an empty
    // table or a failed select (shown by CTool) leaves them as they were.
    void LoadElementTypes(CDbQuery& query);
    SElementTypeInfo& Info(int type);
    int GetParentType(int type) { return Info(type).ParentTypeIndex; }
    // Sets every type's ID counter back to unread (after a project's tree is loaded).
    void ResetElementIds();

    // Type code of a tree image index: 0..30 enabled, 31..60 disabled (type + 30), above 60 none (-1).
    static int ImageIndexToType(int imageIndex);
    static bool IsActiveImage(int imageIndex) { return imageIndex <= 30; }

    // A new, empty element of the type (defaults not yet set); null for a code outside 0..30.
    static std::unique_ptr<CElementBase> CreateElement(int type);

private:
    SElementTypeInfo m_rows[TypeCount];
};

// The project table of an element type (0..30), from the loaded registry.
QString GetElementTableName(int type);
