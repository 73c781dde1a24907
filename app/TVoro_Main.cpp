#include "app/TVoro_Main.h"

TVoro_Main::TVoro_Main(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Voro_Main"));
    setWindowTitle(ProductCaption());
    resize(1024, 720);
}

QString TVoro_Main::ProductCaption()
{
    return QStringLiteral("DID-IVOV V4.0");
}
