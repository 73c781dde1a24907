#include "upgrade/CTableDefinition.h"

#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
bool IsQuote(QChar c)
{
    return c == '\'' || c == '"' || c == '[' || c == '`';
}

QChar ClosingQuote(QChar c)
{
    return c == '[' ? QChar(']') : c;
}

// The text without comments and with every run of blanks outside quotes made one blank.
QString Normalise(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (IsQuote(c)) {
            const QChar close = ClosingQuote(c);
            const int end = text.indexOf(close, i + 1);
            const int stop = end < 0 ? text.size() - 1 : end;
            out += text.mid(i, stop - i + 1);
            i = stop;
        } else if (c == '-' && i + 1 < text.size() && text[i + 1] == '-') {
            const int end = text.indexOf('\n', i);
            i = end < 0 ? text.size() : end - 1;
            if (!out.endsWith(' '))
                out += ' ';
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const int end = text.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? text.size() : end + 1;
            if (!out.endsWith(' '))
                out += ' ';
        } else if (c.isSpace()) {
            if (!out.endsWith(' '))
                out += ' ';
        } else {
            out += c;
        }
    }
    return out.trimmed();
}

// The parts of a list separated by commas outside parentheses and quotes.
QStringList SplitTopLevel(const QString& text)
{
    QStringList parts;
    int depth = 0;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (IsQuote(c)) {
            const int end = text.indexOf(ClosingQuote(c), i + 1);
            i = end < 0 ? text.size() - 1 : end;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth == 0) {
            parts << text.mid(start, i - start).trimmed();
            start = i + 1;
        }
    }
    parts << text.mid(start).trimmed();
    return parts;
}

// The first token of the text (a name, quoted or not) and the rest after it.
std::pair<QString, QString> SplitName(const QString& text)
{
    if (!text.isEmpty() && IsQuote(text[0])) {
        const int end = text.indexOf(ClosingQuote(text[0]), 1);
        if (end > 0)
            return {text.mid(1, end - 1), text.mid(end + 1).trimmed()};
    }
    const int space = text.indexOf(' ');
    if (space < 0)
        return {text, QString()};
    return {text.left(space), text.mid(space + 1).trimmed()};
}

QString QuoteName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (plain.match(name).hasMatch())
        return name;
    return '"' + QString(name).replace('"', QStringLiteral("\"\"")) + '"';
}

// Where the declared type of a column definition ends: before the first constraint keyword.
int TypeLength(const QString& definition)
{
    static const QStringList keywords{"CONSTRAINT", "PRIMARY", "NOT",        "NULL",      "UNIQUE", "CHECK",
                                      "DEFAULT",    "COLLATE", "REFERENCES", "GENERATED", "AS"};
    int depth = 0;
    int i = 0;
    while (i < definition.size()) {
        if (depth == 0 && (i == 0 || definition[i - 1] == ' ')) {
            int end = i;
            while (end < definition.size() && definition[end].isLetter())
                ++end;
            if (end > i && keywords.contains(definition.mid(i, end - i).toUpper()))
                return i;
        }
        if (definition[i] == '(')
            ++depth;
        else if (definition[i] == ')')
            --depth;
        ++i;
    }
    return definition.size();
}

const QRegularExpression& PrimaryKeyClause()
{
    static const QRegularExpression clause(QStringLiteral("\\s*\\bPRIMARY\\s+KEY\\b(\\s+(ASC|DESC)\\b)?(\\s+"
                                                          "ON\\s+CONFLICT\\s+\\w+)?(\\s+AUTOINCREMENT\\b)?"),
                                           QRegularExpression::CaseInsensitiveOption);
    return clause;
}
} // namespace

CTableDefinition CTableDefinition::Read(CDbQuery& query, const QString& table)
{
    OpenQueryGuarded(
        query, {"select sql from sqlite_master where type = 'table' and name = ? collate nocase", {table}});
    if (query.Eof())
        throw Exception(QStringLiteral("数据库中没有表 %1。").arg(table));
    return Parse(query.Field(0).toString());
}

CTableDefinition CTableDefinition::Parse(const QString& createStatement)
{
    const QString text = Normalise(createStatement);
    static const QRegularExpression head(QStringLiteral("^CREATE\\s+TABLE\\s+(IF\\s+NOT\\s+EXISTS\\s+)?"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = head.match(text);
    const int open = text.indexOf('(', match.capturedEnd());
    const int close = text.lastIndexOf(')');
    if (!match.hasMatch() || open < 0 || close < open)
        throw Exception(QStringLiteral("无法识别的建表语句：%1").arg(createStatement));

    CTableDefinition definition;
    definition.m_table = SplitName(text.mid(match.capturedEnd(), open - match.capturedEnd()).trimmed()).first;
    static const QRegularExpression constraint(
        QStringLiteral("^(CONSTRAINT|PRIMARY|UNIQUE|CHECK|FOREIGN)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString& part : SplitTopLevel(text.mid(open + 1, close - open - 1))) {
        if (part.isEmpty())
            continue;
        if (constraint.match(part).hasMatch()) {
            definition.m_constraints << part;
            continue;
        }
        const auto [name, rest] = SplitName(part);
        definition.m_columns.push_back({name, rest});
    }
    return definition;
}

QStringList CTableDefinition::ColumnNames() const
{
    QStringList names;
    for (const SColumn& column : m_columns)
        names << column.Name;
    return names;
}

int CTableDefinition::IndexOf(const QString& name) const
{
    for (int i = 0; i < static_cast<int>(m_columns.size()); ++i) {
        if (m_columns[i].Name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int CTableDefinition::RequireIndex(const QString& name) const
{
    const int index = IndexOf(name);
    if (index < 0)
        throw Exception(QStringLiteral("表 %1 中没有列 %2。").arg(m_table, name));
    return index;
}

bool CTableDefinition::HasColumn(const QString& name) const
{
    return IndexOf(name) >= 0;
}

QString CTableDefinition::ColumnDefinition(const QString& name) const
{
    const int index = IndexOf(name);
    return index < 0 ? QString() : m_columns[index].Definition;
}

QString CTableDefinition::ColumnType(const QString& name) const
{
    const QString definition = ColumnDefinition(name);
    return definition.left(TypeLength(definition)).trimmed();
}

void CTableDefinition::DropColumn(const QString& name)
{
    m_columns.erase(m_columns.begin() + RequireIndex(name));
}

void CTableDefinition::SetColumnDefinition(const QString& name, const QString& definition)
{
    m_columns[RequireIndex(name)].Definition = definition;
}

void CTableDefinition::SetColumnType(const QString& name, const QString& type)
{
    SColumn& column = m_columns[RequireIndex(name)];
    const QString constraints = column.Definition.mid(TypeLength(column.Definition)).trimmed();
    column.Definition = constraints.isEmpty() ? type : type + ' ' + constraints;
}

void CTableDefinition::InsertColumn(int position, const QString& name, const QString& definition)
{
    position = std::clamp(position, 0, static_cast<int>(m_columns.size()));
    m_columns.insert(m_columns.begin() + position, {name, definition});
}

void CTableDefinition::RemovePrimaryKey()
{
    for (SColumn& column : m_columns)
        column.Definition = column.Definition.remove(PrimaryKeyClause()).trimmed();
    static const QRegularExpression tableKey(QStringLiteral("^(CONSTRAINT\\s+\\S+\\s+)?PRIMARY\\s+KEY\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    m_constraints.removeIf([](const QString& constraint) { return tableKey.match(constraint).hasMatch(); });
}

QString CTableDefinition::CreateStatement(const QString& table) const
{
    QStringList parts;
    for (const SColumn& column : m_columns)
        parts << (column.Definition.isEmpty() ? QuoteName(column.Name)
                                              : QuoteName(column.Name) + ' ' + column.Definition);
    parts << m_constraints;
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(QuoteName(table), parts.join(QStringLiteral(", ")));
}

void CTableDefinition::Rebuild(CDbQuery& query) const
{
    const CTableDefinition current = Read(query, m_table);
    QStringList shared;
    for (const SColumn& column : m_columns) {
        if (current.HasColumn(column.Name))
            shared << QuoteName(column.Name);
    }
    OpenQueryGuarded(query,
                     {"select sql from sqlite_master where type = 'index' and tbl_name = ? collate nocase "
                      "and sql is not null",
                      {m_table}});
    QStringList indexes;
    for (query.First(); !query.Eof(); query.Next())
        indexes << query.Field(0).toString();

    const QString temporary = m_table + QStringLiteral("_rebuild");
    ExecQueryGuarded(query, CreateStatement(temporary));
    if (!shared.isEmpty()) {
        const QString columns = shared.join(',');
        ExecQueryGuarded(query, QStringLiteral("insert into %1 (%2) select %2 from %3 order by rowid")
                                    .arg(QuoteName(temporary), columns, QuoteName(m_table)));
    }
    ExecQueryGuarded(query, QStringLiteral("drop table %1").arg(QuoteName(m_table)));
    ExecQueryGuarded(
        query, QStringLiteral("alter table %1 rename to %2").arg(QuoteName(temporary), QuoteName(m_table)));
    for (const QString& index : indexes)
        ExecQueryGuarded(query, index);
}
