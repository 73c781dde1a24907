#include "platform/core/CSQLStatement.h"

QString CSQLStatement::Describe() const
{
    if (Values.isEmpty())
        return Text;
    QStringList parts;
    for (const QVariant& value : Values)
        parts << (value.isNull() ? QStringLiteral("null") : value.toString());
    return Text + QStringLiteral(" [") + parts.join(QStringLiteral(", ")) + QStringLiteral("]");
}
