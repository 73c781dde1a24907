#include "tools/shots/CFormShots.h"

#include "app/TVoro_Main.h"
#include "lang/CMultiLanguage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QThread>

namespace {
void LetTheWindowDraw()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

// The main window as it shows in English, taken as a picture. The languages are read from a copy
// of the language folder, so that the program folder keeps its own choice.
std::unique_ptr<QWidget> MainWindowInEnglish(TVoro_Main& window)
{
    CMultiLanguage& languages = GetMultiLanguage();
    const QString own = languages.Folder();
    QTemporaryDir copy;
    for (const QString& name : QDir(own).entryList(QDir::Files))
        QFile::copy(own + name, copy.filePath(name));
    languages.ReadLanguageConfig(copy.path());
    window.Action_LanguageExecute(QStringLiteral("en"));
    LetTheWindowDraw();
    auto picture = std::make_unique<QLabel>();
    picture->setPixmap(window.grab());
    // Whole, not limited to the part of the screen a new window gets.
    picture->setFixedSize(picture->pixmap().size());
    window.Action_LanguageExecute(QStringLiteral("cn"));
    languages.ReadLanguageConfig(own);
    LetTheWindowDraw();
    return picture;
}
} // namespace

void AddLanguageFormShots(FormShotList& shots)
{
    shots.push_back({QStringLiteral("TVoro_Main-en"), MainWindowInEnglish});
}
