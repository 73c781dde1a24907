#include "lang/forms/CLgFormAttacher.h"

#include "lang/forms/CLgForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QPointer>
#include <QWidget>

void CLgFormAttacher::Install()
{
    static QPointer<CLgFormAttacher> installed;
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || installed)
        return;
    installed = new CLgFormAttacher(application);
    application->installEventFilter(installed);
}

bool CLgFormAttacher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || qobject_cast<QMenu*>(window) || !CLgForm::IsProgramClass(window) ||
        window->objectName().isEmpty() || CLgForm::Find(window))
        return false;
    auto* translator = new CLgForm;
    QObject::connect(window, &QObject::destroyed, [translator] { delete translator; });
    translator->Attach(window);
    return false;
}
