#include "lang/forms/CLgFormAttacher.h"

#include "lang/forms/CLgForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QWidget>

void CLgFormAttacher::Install()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || application->findChild<CLgFormAttacher*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new CLgFormAttacher(application));
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
