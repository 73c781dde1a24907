#include "platform/ui/TApplication.h"

#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace {
QString& TitleText()
{
    static QString title;
    return title;
}
} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Exception& e) {
        ShowException(e.Message());
    } catch (const std::exception& e) {
        ShowException(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void TApplication::ShowException(const QString& message)
{
    if (CTool::Exists()) {
        CTool::Current().ShowMessageBox(QStringLiteral("错误"), message, 6, 1);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), message);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
}

void TApplication::SetTitle(const QString& title)
{
    TitleText() = title;
}

QString TApplication::Title()
{
    return TitleText().isEmpty() ? QCoreApplication::applicationName() : TitleText();
}

bool TApplication::LoadQtTranslations()
{
    auto* app = QCoreApplication::instance();
    if (!app)
        return false;
    auto* translator = new QTranslator(app);
    // The interface is Chinese whatever the system's language is.
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
