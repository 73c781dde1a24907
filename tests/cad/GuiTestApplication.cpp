#include "tests/cad/GuiTestApplication.h"

#include <QGuiApplication>

void EnsureGuiTestApplication()
{
    static int argc = 1;
    static char name[] = "test_cad";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QGuiApplication(argc, argv);
}
