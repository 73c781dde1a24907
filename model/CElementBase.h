#pragma once
#include <QList>
#include <QString>

class CDbQuery;
class CEleAttrs;
class CElementBase;
class CSQLMaker;

// What an element needs of the tree node that owns it. The project tree implements it.
class CElementNode
{
public:
    virtual ~CElementNode() = default;
    // Element ID of the nearest ancestor node that is neither a folder nor the project; -1 when none.
    virtual int ParentElementId() const = 0;
    // Captions from the root down to this node, joined with "~" (for messages).
    virtual QString NodePath() const = 0;
    // The element of the nearest ancestor node of the type (loaded on demand); null when none.
    virtual CElementBase* AncestorElement(int type) const = 0;
    // The elements of the nodes below this one in pre-order (children in list order, folders
    // entered), loaded on demand; none by default.
    virtual QList<CElementBase*> DescendantElements() const { return {}; }
};

// The position block of positioned elements: X0, Y0, Z0, X, Y, Z.
struct SCoordinate
{
    double X0 = 0, Y0 = 0, Z0 = 0, X = 0, Y = 0, Z = 0;
    void Clear() { *this = SCoordinate(); }
    // In the order GetCoordinates hands them out: X, Y, Z, X0, Y0, Z0.
    void Get(double& x, double& y, double& z, double& x0, double& y0, double& z0) const
    {
        x = X;
        y = Y;
        z = Z;
        x0 = X0;
        y0 = Y0;
        z0 = Z0;
    }
    void Exchange(CEleAttrs& attrs);
    // Writes the six values into the rows of the table that match the condition (an SQL clause
    // without "where"), through CTool.
    void UpdateRecord(CDbQuery& query, const QString& tableName, const QString& condition) const;
};

// The in-memory copy of one row of an element table. A class names its columns once, in
// ExchangeAttrs; insert, update, load, copy and setting one column by name all run over that list.
class CElementBase
{
public:
    explicit CElementBase(int type);
    virtual ~CElementBase();
    CElementBase(const CElementBase&) = delete;
    CElementBase& operator=(const CElementBase&) = delete;

    QString Name;
    int ID = -1;
    CDbQuery* m_Query = nullptr; // the project data module's Element query when one exists
    int Status = 1;              // 1 enabled, 0 disabled
    CElementNode* Node = nullptr;

    int Type() const { return m_type; }

    // Fills a new element from the default values and its ancestors.
    virtual bool SetDefaults() { return true; }
    virtual bool Check() { return true; }
    virtual void GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const;
    // "Name" (not for folders) as text, then "Status"; classes call this first and add their columns.
    virtual void ExchangeAttrs(CEleAttrs& attrs);

    // 1 when exactly one row was written; otherwise the user is told and 0 is returned.
    int InsertRecord();
    int UpdateRecord();
    // Reads every exchanged column from the current row of the data set; a missing column raises.
    int LoadFromDataSet(CDbQuery& dataSet);
    // Takes the type, name, status and class columns of the source; ID, data set and node stay.
    void CopyFrom(const CElementBase& source);
    // Sets the one column of that name from text; a name the class does not exchange changes nothing.
    void SetAttribute(const QString& name, const QString& value);
    // The value of one column as text, "" when the class does not exchange it.
    QString GetAttribute(const QString& name) const;

    // Lookups of another room of the project, for inside walls, ceilings and floors.
    int GetRoomHeatingTemperature(int roomId, double& temperature);
    bool GetRoomName(int roomId, QString& name);
    bool GetRoomAndStoreyName(int roomId, QString& roomName, QString& storeyName);

protected:
    // The type-0 project has no row; the folder has no Name column.
    void SetType(int type) { m_type = type; }

private:
    QString NodePath() const;
    // Every exchanged column as a field of the statement.
    void ExportColumns(CSQLMaker& maker);
    int m_type;
};
