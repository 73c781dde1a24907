#include "app/CDynamicToolMenu.h"

#include "platform/core/CIniFile.h"
#include "platform/core/CProgramFolder.h"

#include <QAction>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QProcess>

QList<CDynamicToolMenu::STool> CDynamicToolMenu::ReadTools()
{
    const QString folder = CProgramFolder::Resolve(QStringLiteral("CustomTool"));
    const CIniFile ini(folder + QStringLiteral("/Param.ini"));
    const int count = ini.ReadString(QStringLiteral("Tools"), QStringLiteral("Count"), QStringLiteral("0")).toInt();
    QList<STool> tools;
    for (int i = 1; i <= count; ++i) {
        const QString section = QString::number(i);
        STool tool{ini.ReadString(section, QStringLiteral("Name")), ini.ReadString(section, QStringLiteral("EXEPATH"))};
        tool.Path.replace(QStringLiteral("[TOOLPATH]"), folder, Qt::CaseSensitive);
        if (!tool.Name.isEmpty() && QFileInfo(tool.Path).isFile())
            tools << tool;
    }
    return tools;
}

CDynamicToolMenu::CDynamicToolMenu(QMenu* parent)
{
    const QFileIconProvider icons;
    for (const STool& tool : ReadTools()) {
        QPixmap picture(32, 32);
        picture.fill(Qt::transparent);
        {
            QPainter painter(&picture);
            painter.drawPixmap(1, 1, icons.icon(QFileInfo(tool.Path)).pixmap(16, 16));
        }
        QAction* entry = parent->addAction(QIcon(picture), tool.Name);
        entry->setStatusTip(tool.Path);
        entry->setToolTip(tool.Path);
        QObject::connect(entry, &QAction::triggered, entry, [entry] { ToolItemClick(entry->statusTip()); });
    }
}

void CDynamicToolMenu::ToolItemClick(const QString& hint)
{
    QProcess::startDetached(hint, {});
}
