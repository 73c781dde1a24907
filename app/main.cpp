#include "app/CProgramStart.h"
#include "app/TVoro_Main.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TToolDialogs.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("didivov"));
    app.setApplicationDisplayName(TVoro_Main::ProductCaption());
    try {
        QString error;
        if (!CProgramFolder::PrepareWritable(error)) {
            TApplication::ShowException(error);
            return 1;
        }
        CProgramStart start(std::make_unique<TToolDialogs>());
        TVoro_Main mainWindow;
        if (!start.Start())
            return 1;
        mainWindow.show();
        return app.exec();
    } catch (const Exception& e) {
        TApplication::ShowException(e.Message());
    } catch (const std::exception&) {
        TApplication::ShowException(QString());
    }
    return 1;
}
