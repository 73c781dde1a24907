#include "model/CMaterialBase.h"

#include "model/NameTables.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

namespace {
template <class... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;
} // namespace

CMaterialBase::~CMaterialBase() = default;

QString CMaterialBase::TableName() const
{
    return m_kind < 0 ? QString() : LibraryTableName(m_kind);
}

void CMaterialBase::AddColumns(CColumns&) {}

CDbQuery& CMaterialBase::RequireDataSet() const
{
    if (!DataSet)
        throw Exception(QStringLiteral("材料[%1]没有指定数据集").arg(Name));
    return *DataSet;
}

void CMaterialBase::OpenByName(const QString& table, const QString& name)
{
    if (name.isEmpty())
        return;
    CDbQuery& query = RequireDataSet();
    // Names are matched as the library tables declare them, without regard to case; saying so in
    // the statement keeps that on tables of older databases that did not declare it.
    const CSQLStatement statement(
        QStringLiteral(" select * from %1 where Name = ? COLLATE NOCASE ").arg(table), {name});
    if (CTool::OpenQuery(query, statement) > 0 && query.IsOpen())
        return;
    throw Exception(QStringLiteral("材料[%1]不存在，请重新指定材料").arg(name));
}

void CMaterialBase::OpenById(const QString& table, int id)
{
    if (id == -1)
        return;
    CDbQuery& query = RequireDataSet();
    const CSQLStatement statement(QStringLiteral(" select * from %1 where ID = ? ").arg(table), {id});
    if (CTool::OpenQuery(query, statement) > 0 && query.IsOpen())
        return;
    throw Exception(QStringLiteral("材料[ID:%1]不存在，请重新指定材料").arg(id));
}

void CMaterialBase::Load(const QString& name)
{
    const QString table = TableName();
    if (table.isEmpty())
        return;
    OpenByName(table, name);
    ReadColumns();
}

void CMaterialBase::Save(const QString& name)
{
    const QString table = TableName();
    if (table.isEmpty())
        return;
    OpenByName(table, name);
    CDbQuery& query = RequireDataSet();
    if (!name.isEmpty())
        query.Edit();
    WriteColumns();
    if (!name.isEmpty())
        query.Post();
}

void CMaterialBase::ReadColumns()
{
    const CDbQuery& query = RequireDataSet();
    CColumns columns;
    AddColumns(columns);
    Name = query.AsString(QStringLiteral("Name"));
    for (const SColumn& column : columns) {
        const QString name = QString::fromLatin1(column.Name);
        std::visit(Overloaded{[&](QString* text) { *text = query.AsString(name); },
                              [&](double* real) { *real = query.AsDouble(name); },
                              [&](int* integer) { *integer = query.AsInt(name); },
                              [&](QByteArray* bytes) { *bytes = query.FieldByName(name).toByteArray(); }},
                   column.Member);
    }
}

void CMaterialBase::WriteColumns()
{
    CDbQuery& query = RequireDataSet();
    CColumns columns;
    AddColumns(columns);
    query.SetFieldValue(QStringLiteral("Name"), Name);
    for (const SColumn& column : columns) {
        const QString name = QString::fromLatin1(column.Name);
        std::visit(Overloaded{[&](QString* text) { query.SetFieldValue(name, *text); },
                              [&](double* real) { query.SetFieldValue(name, *real); },
                              [&](int* integer) { query.SetFieldValue(name, *integer); },
                              // No picture is stored as null, as a row without one reads.
                              [&](QByteArray* bytes) {
                                  query.SetFieldValue(name, bytes->isEmpty() ? QVariant() : QVariant(*bytes));
                              }},
                   column.Member);
    }
}
