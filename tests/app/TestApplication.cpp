#include "tests/app/TestApplication.h"

#include <QApplication>

void EnsureTestApplication()
{
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QApplication(argc, argv);
}
