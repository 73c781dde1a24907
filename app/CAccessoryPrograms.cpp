#include "app/CAccessoryPrograms.h"

#include "app/CDesktopProgramsBase.h"

namespace {
QString KindName(EAccessoryKind kind)
{
    return kind == EAccessoryKind::TextEditor ? QStringLiteral("文本编辑器") : QStringLiteral("计算器");
}
} // namespace

QStringList CAccessoryPrograms::Candidates(EAccessoryKind kind)
{
    // The programs of the common desktops (GNOME, Xfce, KDE, Cinnamon, MATE), then the generic ones.
    if (kind == EAccessoryKind::TextEditor)
        return {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("mousepad"),
                QStringLiteral("kate"), QStringLiteral("xed"), QStringLiteral("pluma")};
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
}

QString CAccessoryPrograms::Start(CDesktopProgramsBase& programs, EAccessoryKind kind, const QString& workingFolder)
{
    const QStringList candidates = Candidates(kind);
    for (const QString& name : candidates) {
        const QString path = programs.Find(name);
        if (path.isEmpty())
            continue;
        if (programs.Start(path, workingFolder))
            return {};
        return QStringLiteral("无法启动%1“%2”。").arg(KindName(kind), path);
    }
    return QStringLiteral("没有找到%1。请安装以下程序之一：%2")
        .arg(KindName(kind), candidates.join(QStringLiteral("、")));
}
