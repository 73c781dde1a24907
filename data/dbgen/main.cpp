// Builds one SQLite database of the program folder from SQL text sources:
//   didivov_dbgen <output database> <source.sql>...
// The output is made anew each time, so the program folder never holds stale content.
// Statements are separated by ';' outside quotes; "--" starts a comment line.
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/Exception.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {
QStringList SplitStatements(const QString& script)
{
    QStringList statements;
    QString current;
    QChar quote;
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script[i];
        if (quote.isNull() && c == '-' && i + 1 < script.size() && script[i + 1] == '-') {
            while (i < script.size() && script[i] != '\n')
                ++i;
            current += '\n';
            continue;
        }
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: didivov_dbgen <output> <source.sql>...\n");
        return 2;
    }
    const QString output = args[1];
    const QString partial = output + ".part";
    QDir().mkpath(QFileInfo(output).absolutePath());
    QFile::remove(partial);
    try {
        {
            CDbConnection connection(QStringLiteral("dbgen"));
            connection.Open(partial, true);
            CDbQuery query(connection);
            CDbTransaction transaction(connection);
            for (int i = 2; i < args.size(); ++i) {
                QString script;
                if (!CGbkCodec::ReadTextFile(args[i], script))
                    throw Exception(QStringLiteral("cannot read %1").arg(args[i]));
                for (const QString& statement : SplitStatements(script)) {
                    query.SetSQL(CSQLStatement(statement));
                    try {
                        query.ExecSQL();
                    } catch (const Exception& e) {
                        throw Exception(QStringLiteral("%1: %2\n%3").arg(args[i], e.Message(), statement));
                    }
                }
            }
            transaction.Commit();
        }
        QFile::remove(output);
        if (!QFile::rename(partial, output))
            throw Exception(QStringLiteral("cannot write %1").arg(output));
    } catch (const Exception& e) {
        QFile::remove(partial);
        std::fprintf(stderr, "didivov_dbgen: %s\n", e.Message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
