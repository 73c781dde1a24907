// didivov_screenshot <picture.png> [<project.VLZ>]
//
// Writes the demonstration project, starts the program on it as "didivov <project>" does, chooses
// the detailed air-conditioning calculation, runs "最大负荷" on the building and saves pictures of
// the main window: <picture.png> after the run (tree, page and the filled load tab) and
// <picture>-list.png of the screen while the load list window is open; then runs "最大负荷" under
// the three estimates and saves the main window with each load tab as <picture>-dt0.png (simple),
// -dt1.png (itemised) and -dt2.png (intelligent); last, one picture of every other window and page,
// "<form class>[-variant].png" beside them (tools/shots/). Run it on a display (for instance under
// xvfb-run); tools/screenshot.sh does that.
#include "app/CProgramStart.h"
#include "app/TVoro_Main.h"
#include "app/controls/TViewMaxLoadForm.h"
#include "model/CNodeData.h"
#include "model/CTreeView2DB.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TToolDialogs.h"
#include "project/CSystemGlobalData.h"
#include "tools/CDemoProject.h"
#include "tools/shots/CFormShots.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {
constexpr int kDetailedAC = 3;
constexpr int kSimpleEstimate = 0;

void Fail(const QString& message)
{
    std::fprintf(stderr, "didivov_screenshot: %s\n", qPrintable(message));
}

bool Save(const QPixmap& picture, const QString& path)
{
    if (picture.isNull() || !picture.save(path, "PNG")) {
        Fail(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
    return true;
}

QString Beside(const QString& picture, const QString& suffix)
{
    return QFileInfo(picture).path() + '/' + QFileInfo(picture).completeBaseName() + suffix + QStringLiteral(".png");
}

// Chooses the design type by its action, runs "最大负荷" on the building and, while the load list
// window is open, calls onList before closing the window as its "确定" would.
bool RunMaxLoad(TVoro_Main& window, const QString& designAction, const std::function<void()>& onList)
{
    QAction* design = window.Action(designAction);
    QAction* maxLoad = window.Action(QStringLiteral("ToolButton1"));
    if (!design || !maxLoad) {
        Fail(QStringLiteral("the main window lacks its calculation commands"));
        return false;
    }
    design->trigger();
    CNodeData* building =
        CTreeView2DB::Current().Root().FindNodeByCaption(1, CDemoProject::BuildingCaption());
    if (!building || !building->TreeItem()) {
        Fail(QStringLiteral("the tree does not show the building"));
        return false;
    }
    window.MainTreeView()->Select(building->TreeItem());

    bool listShown = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* list = qobject_cast<TViewMaxLoadForm*>(QApplication::activeModalWidget());
        if (!list || !list->isVisible())
            return;
        watcher.stop();
        // Give the window manager-less display a moment to draw the window.
        QTimer::singleShot(300, list, [&, list] {
            onList();
            listShown = true;
            list->accept();
        });
    });
    watcher.start(20);
    maxLoad->trigger();
    watcher.stop();
    QApplication::processEvents();
    if (!listShown)
        Fail(QStringLiteral("no load list window after %1").arg(designAction));
    return listShown;
}

// The detailed calculation with its list window, then the load tab of each estimate.
bool CalculateAndTakePictures(TVoro_Main& window, const QString& picture)
{
    bool listTaken = false;
    if (!RunMaxLoad(window, QStringLiteral("Action_ACLoadDetailedCalculation"), [&] {
            listTaken = Save(QGuiApplication::primaryScreen()->grabWindow(0), Beside(picture, QStringLiteral("-list")));
        }))
        return false;
    if (!Save(window.grab(), picture) || !listTaken)
        return false;
    const QString estimates[] = {QStringLiteral("Action_ACLoadSimpleEstimation"),
                                 QStringLiteral("Action_ACLoadItemizedEstimation"),
                                 QStringLiteral("Action_ACLoadIntelligentEstimation")};
    for (int designType = 0; designType < 3; ++designType)
        if (!RunMaxLoad(window, estimates[designType], [] {}) ||
            !Save(window.grab(), Beside(picture, QStringLiteral("-dt%1").arg(designType))))
            return false;
    return true;
}

// Each form shown on its own, drawn, saved under its name and closed; a shot that fails is
// reported and the others still taken.
bool TakeFormPictures(TVoro_Main& window, const QString& picture)
{
    bool allTaken = true;
    for (const SFormShot& shot : AllFormShots()) {
        try {
            std::unique_ptr<QWidget> form = shot.Make(window);
            if (!form) {
                Fail(QStringLiteral("no form for %1").arg(shot.Name));
                allTaken = false;
                continue;
            }
            form->show();
            for (int i = 0; i < 5; ++i) {
                QApplication::processEvents();
                QThread::msleep(20);
            }
            const QString path = QFileInfo(picture).path() + '/' + shot.Name + QStringLiteral(".png");
            allTaken = Save(form->grab(), path) && allTaken;
        } catch (const Exception& e) {
            Fail(QStringLiteral("%1: %2").arg(shot.Name, e.Message()));
            allTaken = false;
        }
    }
    return allTaken;
}
} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    CProgramStart::PrepareApplication();
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        Fail(QStringLiteral("usage: didivov_screenshot <picture.png> [<project.VLZ>]"));
        return 2;
    }
    const QString picture = QFileInfo(arguments.at(1)).absoluteFilePath();
    const QString project = arguments.size() > 2
                                ? QFileInfo(arguments.at(2)).absoluteFilePath()
                                : QFileInfo(picture).path() + '/' + QStringLiteral("Demo.VLZ");
    try {
        CProgramFolder::SetPath(QStringLiteral(DIDIVOV_BIN_DIR));
        QString error;
        if (!CProgramFolder::PrepareWritable(error)) {
            Fail(error);
            return 1;
        }
        CDemoProject::Write(project, kSimpleEstimate, std::make_unique<TToolDialogs>());

        CProgramStart start(std::make_unique<TToolDialogs>());
        TVoro_Main window;
        if (!start.Start())
            return 1;
        window.SetCommandLine({project});
        if (QScreen* screen = QGuiApplication::primaryScreen())
            window.setGeometry(screen->availableGeometry());
        window.show();
        if (!CSystemGlobalData::Current().IsProjectOpen()) {
            Fail(QStringLiteral("the project did not open: %1").arg(project));
            return 1;
        }
        int result = 1;
        QTimer::singleShot(500, &window, [&] {
            result = CalculateAndTakePictures(window, picture) && TakeFormPictures(window, picture) ? 0 : 1;
            window.close();
            QApplication::quit();
        });
        app.exec();
        std::printf("project: %s\n", qPrintable(QDir::toNativeSeparators(project)));
        return result;
    } catch (const Exception& e) {
        Fail(e.Message());
    } catch (const std::exception& e) {
        Fail(QString::fromLocal8Bit(e.what()));
    }
    return 1;
}
