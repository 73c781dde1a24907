#pragma once
#include <QByteArray>
#include <QList>
#include <QStringList>

// Library exchange files written by hand for tests: 32-bit little-endian integers and masked
// GBK texts, laid out as the program writes them.
QByteArray LibraryFileInt(qint32 value);
QByteArray LibraryFileText(const QString& text, int key = 77);
QByteArray LibraryFileBytes(int index, const QStringList& captions, const QList<QStringList>& records,
                            const QString& magic = QStringLiteral("ZIROVI"), int version = 100);
