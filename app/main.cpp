#include "app/CProgramStart.h"
#include "app/TVoro_Main.h"
#include "app/controls/TLoadApplication.h"
#include "lang/CMultiLanguage.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TToolDialogs.h"

#include <QScreen>

int main(int argc, char** argv)
{
    // The language manager needs no application object and touches no widget: it exists first.
    GetMultiLanguage();
    TApplication app(argc, argv);
    CProgramStart::PrepareApplication();
    try {
        QString error;
        if (!CProgramFolder::PrepareWritable(error)) {
            TApplication::ShowException(error);
            return 1;
        }
        CProgramStart start(std::make_unique<TToolDialogs>());
        // The main window is created before the data modules: its constructor touches no database.
        TVoro_Main mainWindow;
        mainWindow.SetCommandLine(app.arguments().mid(1));
        {
            // Shown while the system databases open and update.
            TLoadApplication splash;
            QApplication::processEvents();
            if (!start.Start(&mainWindow))
                return 1;
        }
        // Maximized also where no window manager honours the request.
        if (QScreen* screen = QGuiApplication::primaryScreen())
            mainWindow.setGeometry(screen->availableGeometry());
        mainWindow.showMaximized();
        // A quit that does not pass through the window (the session ending) still saves and closes.
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &mainWindow,
                         [&mainWindow] { mainWindow.FormClose(); });
        return app.exec();
    } catch (const Exception& e) {
        TApplication::ShowException(e.Message());
    } catch (const std::exception&) {
        TApplication::ShowException(QString());
    }
    return 1;
}
