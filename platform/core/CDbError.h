#pragma once
#include <QString>

class QSqlError;

// The text a database failure shows the user: a Chinese sentence naming the cause (read from
// SQLite's result code), then the database's own message, which support needs and which the
// Chinese sentence does not replace.
class CDbError
{
public:
    static QString Describe(const QSqlError& error);
};
