#pragma once
#include "climate/CProjectGroupingBase.h"

// A storey as the group lists show it: its ID and the names that make its key.
struct SStoreyRef
{
    int ID = -1;
    QString BuildingName;
    QString StoreyName;
    // "building~storey", the form in which a group stores its base storey.
    QString Key() const;
};

// Storey groups (table StoreyGroup; members by Storey.StoreyGroupName): storeys built alike, tied
// to one base storey whose contents applying the groups copies over every other member. A group
// stores its base storey as a key of building and storey name (StoreyGroup.BaseStorey, "" when
// none); the calculation book reads it in that form.
class CStoreyGroups : public CProjectGroupingBase
{
public:
    CStoreyGroups();

    // Splits a key at its first "~" into building and storey name; without one the building name
    // is empty and the storey name the whole key.
    static void SplitKey(const QString& key, QString& buildingName, QString& storeyName);

    // Storeys of the building that belong to no existing group (a storey naming a group that no
    // longer exists is free), in ID order.
    QList<SStoreyRef> FreeStoreys(int buildingId);
    // The group's storeys across all buildings, by building and storey ID.
    QList<SStoreyRef> Members(const QString& group);
    // The group's base-storey key; "" when it has none or there is no such group.
    QString BaseStorey(const QString& group);
    // Makes the member of that storey ID the base storey; false (nothing written) when the storey
    // is no member of the group.
    bool SetBaseStorey(const QString& group, int storeyId);
    // Clears a base storey that is no longer among the members' keys; whether it did.
    bool CheckBaseStorey(const QString& group);
    // Every member leaves the group, the base storey with them.
    void Clear(const QString& group);

    // Copies, for every group in table order, its base storey over each other member: values,
    // rooms and elements (see CNodeData::CopyContentFrom), in the project tree and its rows. A group
    // without base key or members is passed over; one whose base storey is not found among its
    // members asks whether to go on; a failed copy asks whether to go on. False when the user
    // stopped the run; what was copied before stays.
    bool Apply();

protected:
    void MembersLeft(const QString& name) override;

private:
    QList<SStoreyRef> ReadStoreys();
};
