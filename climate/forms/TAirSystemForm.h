#pragma once
#include "climate/CAirSystems.h"
#include "climate/forms/TGroupingFormBase.h"

// "回风系统管理" or "新风系统管理": the air-conditioning systems of one kind in the open project and
// the rooms they serve (CAirSystems). A room belongs to at most one system of each kind; rooms of
// the chosen building without a system of this kind are the free ones.
class TAirSystemForm : public TGroupingFormBase
{
    Q_OBJECT
public:
    // outsideAir: 0 return-air systems (the action's tag), any other value outdoor-air systems.
    explicit TAirSystemForm(int outsideAir, QWidget* owner = nullptr);

    const int OutsideAir;

protected:
    CProjectGroupingBase& Grouping() override { return m_systems; }
    bool GroupsWithoutBuildings() const override { return true; }
    QList<QPair<QString, int>> FreeLines(int buildingId) override;
    QList<QPair<QString, int>> MemberLines(const QString& system) override;

private:
    CAirSystems m_systems;
};
