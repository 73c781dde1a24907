#include "report/forms/EnergyCheckInput.h"

#include "app/controls/CNumberText.h"
#include "app/controls/TControlEdit.h"
#include "platform/core/CTool.h"

std::optional<double> NonNegativeInput(TControlEdit* edit, const QString& valueName)
{
    const std::optional<double> value = CNumberText::ToDouble(edit->text().trimmed());
    if (value && *value >= 0)
        return value;
    CTool::Current().ShowMessageBox(QStringLiteral("警告"),
                                    QStringLiteral("%1应为不小于0的数值，请重新输入。").arg(valueName), 6, 0);
    edit->setFocus();
    edit->selectAll();
    return std::nullopt;
}
