#include "model/CElementManage.h"

#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

int SElementTypeInfo::NewElementId()
{
    if (LastElementId == -1) {
        const int max = TDM_Project::Current().QueryInt({QStringLiteral("select max(ID) from %1").arg(Name)});
        LastElementId = max + 1;
    }
    return ++LastElementId;
}

int SElementTypeInfo::UsedByDesignType(int designType) const
{
    const int flags[] = {IsACLoadSimpleEstimation, IsACLoadItemsEstimation,    IsACLoadIntelligentEstimation,
                         IsACLoadCalculation,      IsACLoadMonthlyCalculation, IsACLoadDailyCalculation,
                         IsHeatingLoadCalculation};
    if (designType < 0 || designType > 8)
        return 0;
    return flags[designType < 6 ? designType : 6];
}

void CElementManage::LoadElementTypes(CDbQuery& query)
{
    if (CTool::OpenQuery(query, {QStringLiteral("select * from ElementBasePerformance ")}) <= 0)
        return;
    for (query.First(); !query.Eof(); query.Next()) {
        const int index = query.AsInt(QStringLiteral("TypeIndex"));
        // A row outside the known codes has no slot; the shipped table has none.
        if (index < 0 || index >= TypeCount)
            continue;
        SElementTypeInfo& row = m_rows[index];
        row.Name = query.AsString(QStringLiteral("Name")).left(99);
        row.Remark = query.AsString(QStringLiteral("Remark")).left(99);
        row.DisEnabledImageIndex = query.AsInt(QStringLiteral("DisEnabledImageIndex"));
        row.ParentTypeIndex = query.AsInt(QStringLiteral("ParentTypeIndex"));
        row.IsACLoadSimpleEstimation = query.AsInt(QStringLiteral("IsACLoadSimpleEstimation"));
        row.IsACLoadItemsEstimation = query.AsInt(QStringLiteral("IsACLoadItemsEstimation"));
        row.IsACLoadIntelligentEstimation = query.AsInt(QStringLiteral("IsACLoadIntelligentEstimation"));
        row.IsACLoadCalculation = query.AsInt(QStringLiteral("IsACLoadCalculation"));
        row.IsACLoadMonthlyCalculation = query.AsInt(QStringLiteral("IsACLoadMonthlyCalculation"));
        row.IsACLoadDailyCalculation = query.AsInt(QStringLiteral("IsACLoadDailyCalculation"));
        row.IsHeatingLoadCalculation = query.AsInt(QStringLiteral("IsHeatingLoadCalculation"));
        row.TypeIndex = index;
    }
}

SElementTypeInfo& CElementManage::Info(int type)
{
    static SElementTypeInfo none;
    if (type < 0 || type >= TypeCount) {
        none = SElementTypeInfo();
        return none;
    }
    return m_rows[type];
}

void CElementManage::ResetElementIds()
{
    for (SElementTypeInfo& row : m_rows)
        row.LastElementId = -1;
}

int CElementManage::ImageIndexToType(int imageIndex)
{
    if (imageIndex > 60)
        return -1;
    return imageIndex <= 30 ? imageIndex : imageIndex - 30;
}

QString GetElementTableName(int type)
{
    // Before the registry is loaded (tests, tools) the shipped names serve.
    if (CElementManage::Exists()) {
        const QString name = CElementManage::Current().Info(type).Name;
        if (!name.isEmpty())
            return name;
    }
    return ElementTableName(type);
}
