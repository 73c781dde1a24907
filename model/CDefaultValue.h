#pragma once
#include <QString>

// Named default values (TInitalizationManage::Current()) converted for an element being made. A
// missing, empty or non-numeric value raises Exception naming the default and its text, so that
// no element is created with an invented value.
class CDefaultValue
{
public:
    static int Int(const QString& name);
    static double Real(const QString& name);
};
