#pragma once
#include <QStringList>

// One record of a library exchange file: its values as texts, one per column of the file, in the
// file's column order.
class CLibRecord
{
public:
    QStringList Values;
};
