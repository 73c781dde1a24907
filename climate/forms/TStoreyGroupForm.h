#pragma once
#include "climate/CStoreyGroups.h"
#include "climate/forms/TGroupingFormBase.h"

// "楼层组管理": storey groups of the open project. Besides the shared group commands, "清零" empties
// the chosen group, "基层" makes the one selected member its base storey, and "应用" copies, for
// every group, the base storey's values, rooms and elements over each other member (CStoreyGroups).
// The caller refills its tree view afterwards: applying changes the project tree.
class TStoreyGroupForm : public TGroupingFormBase
{
    Q_OBJECT
public:
    explicit TStoreyGroupForm(QWidget* owner = nullptr);

    // "清零".
    void Button4Click();
    // "基层".
    void Button1Click();
    // "应用".
    void Button6Click();

    TControlEdit* ControlEdit1;
    TBMPButton* Button4;
    TBMPButton* Button1;
    TBMPButton* Button6;

protected:
    CProjectGroupingBase& Grouping() override { return m_groups; }
    bool GroupsWithoutBuildings() const override { return false; }
    QList<QPair<QString, int>> FreeLines(int buildingId) override;
    QList<QPair<QString, int>> MemberLines(const QString& group) override;
    void MembersShown() override;

private:
    CStoreyGroups m_groups;
};
