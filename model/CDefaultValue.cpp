#include "model/CDefaultValue.h"

#include "model/TInitalizationManage.h"
#include "platform/core/Exception.h"

#include <cmath>

int CDefaultValue::Int(const QString& name)
{
    const QString text = TInitalizationManage::Current().GetInitValue(name);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw Exception(QStringLiteral("缺省值%1的值\"%2\"不是有效的整数").arg(name, text));
    return value;
}

double CDefaultValue::Real(const QString& name)
{
    const QString text = TInitalizationManage::Current().GetInitValue(name);
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw Exception(QStringLiteral("缺省值%1的值\"%2\"不是有效的实数").arg(name, text));
    return value;
}
