#pragma once
#include <QString>
#include <QVariantList>

// One SQL statement with "?" placeholders and the values bound to them, in order.
// Values never become part of the text: quotes in them need no escaping and reals keep full
// precision.
struct CSQLStatement
{
    QString Text;
    QVariantList Values;

    CSQLStatement() = default;
    CSQLStatement(const QString& text, const QVariantList& values = {}) : Text(text), Values(values) {}
    CSQLStatement(const char* text, const QVariantList& values = {}) : Text(QString::fromUtf8(text)), Values(values) {}

    // The statement as it reads in a message: the text, then the bound values.
    QString Describe() const;
};
