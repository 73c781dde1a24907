#pragma once
#include "platform/core/CDbQuery.h"

#include <QList>
#include <QString>
#include <QStringList>

// A building as the grouping lists show it.
struct SBuildingRef
{
    int ID = -1;
    QString Name;
};

// Named groups of project elements: one table holds the group names (one row each), and each
// member row of the member table stores its group's name in a column of the same name. The name
// column stays the stored link that reports and the calculation read; members are chosen by their
// element ID, so that elements of equal names are told apart.
//
// Works on the project connection of TDM_Project. Names compare without regard to letter case, as
// the links are matched. Every change is written at once, all or nothing; a statement the database
// refuses raises Exception. Element objects loaded before a change to member rows are released, so
// that their next use reads the rows again.
class CProjectGroupingBase
{
public:
    virtual ~CProjectGroupingBase() = default;
    CProjectGroupingBase(const CProjectGroupingBase&) = delete;
    CProjectGroupingBase& operator=(const CProjectGroupingBase&) = delete;

    // Every building, in ID order.
    QList<SBuildingRef> Buildings();
    // The group names in table order.
    QStringList Names();

    // Adds a group of that name, as typed (blanks kept). Nothing (false) when the name is blank or
    // a group already bears it.
    bool NewName(const QString& name);
    // Renames the group and moves its members with it. Nothing (false) when the new name is blank,
    // equals the old one, or a group already bears it (the renamed group's own name included).
    bool Rename(const QString& oldName, const QString& newName);
    // Deletes the group; its members belong to none afterwards.
    void Delete(const QString& name);
    // The member rows of these IDs join the group.
    void Assign(const QString& name, const QList<int>& memberIds);
    // The member rows of these IDs leave the group; IDs of rows outside it are passed over.
    void Remove(const QString& name, const QList<int>& memberIds);

protected:
    CProjectGroupingBase(const QString& table, const QString& column, const QString& memberTable);

    // Runs after members left the group.
    virtual void MembersLeft(const QString& name) {}
    static bool Listed(const QStringList& names, const QString& name);
    void ReleaseLoadedElements();
    const QString& ConnectionName() const { return m_query.ConnectionName(); }

    CDbQuery m_query;
    const QString m_table;
    const QString m_column;
    const QString m_memberTable;
};
