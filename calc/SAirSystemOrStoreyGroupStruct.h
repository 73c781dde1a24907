#pragma once
#include <QString>
#include <QStringList>

// An entry of the calculation book for an air system or a storey group: its name, a second text
// (for a storey group its base storey) and the lines that belong to it. All three start empty.
class SAirSystemOrStoreyGroupStruct
{
public:
    SAirSystemOrStoreyGroupStruct();

    QString Name;
    QString BaseStorey;
    QStringList Lines;
};
