#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A language folder in a temporary folder: config.ini and language files written by the test.
class LanguageFolder
{
public:
    QString Path() const { return m_dir.path() + '/'; }
    QString File(const QString& name) const { return m_dir.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) const;
    void Write(const QString& name, const QString& text) const { Write(name, text.toUtf8()); }
    QByteArray Read(const QString& name) const;

    // A language file of <root><trans>, the groups given as XML text.
    static QString LanguageFile(const QString& groups);

private:
    QTemporaryDir m_dir;
};
