#include "report/forms/EnergyCheckDialogs.h"

#include "app/controls/CNumberText.h"
#include "app/controls/TControlEdit.h"
#include "platform/core/CTool.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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

bool FirstShowCentred(QWidget& dialog, bool& shown)
{
    if (shown)
        return false;
    shown = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    return true;
}
