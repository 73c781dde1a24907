#pragma once
#include <QString>
#include <QStringList>

// Program-wide values in RegistryTable (Name, Type, KeyValue, Remark) of "System\SysParam.dat":
// "ActiveProjectName" (the last opened project) and "ProjectFileName" (recent projects, in
// order). Every row the program writes has Type 2. Failures are shown by CTool's query messages.
class CSysRegistry
{
public:
    // Number of rows of that name and type, -1 on failure.
    int Select(const QString& name, int type);
    // 1 with the first value of that name, 0 when there is none.
    int ReadValue(const QString& name, QString& value);
    // Appends every value of that name in stored order; 1, or 0 when there is none.
    int ReadValues(const QString& name, QStringList& values);
    // Replaces all rows of that name by one row; 1, or 0 when it could not be written.
    int WriteValue(const QString& name, const QString& value);
    // Replaces all rows of that name by one row per entry, in order, all or nothing.
    bool WriteValues(const QString& name, const QStringList& values);
    // Adds one row; 1, or 0 when it could not be written.
    int InsertValue(const QString& name, const QString& value);
};
