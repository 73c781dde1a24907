#include "model/CRegistry.h"

#include "model/TDM_Project.h"
#include "platform/core/CTool.h"

#include <QRegularExpression>

QString CRegistry::MakeRegistryKey(const QString& section, const QString& name)
{
    return section.isEmpty() ? name : section + '_' + name;
}

void CRegistry::LoadRows()
{
    CDbQuery& query = TDM_Project::Current().qryTemp;
    for (query.First(); !query.Eof(); query.Next())
        m_values.Set(query.Field(0).toString(), query.Field(1).toString());
}

void CRegistry::LoadRegistrySection(const QString& section)
{
    if (section.isEmpty()) {
        LoadAllRegistry();
        return;
    }
    m_values.Clear();
    m_section = section;
    // '_' is the single-character wildcard: the key begins with the section and one more character.
    OpenQueryGuarded(TDM_Project::Current().qryTemp,
                     CSQLStatement("select * from tbl_registry where f_key like ? ", {section + "_%"}));
    LoadRows();
}

void CRegistry::LoadAllRegistry()
{
    m_values.Clear();
    OpenQueryGuarded(TDM_Project::Current().qryTemp, CSQLStatement("select * from tbl_registry"));
    LoadRows();
}

QString CRegistry::ReadRegistryKey(const QString& section, const QString& name) const
{
    const QString key = MakeRegistryKey(section, name);
    return m_values.Contains(key) ? m_values.Get(key) : QString();
}

QString CRegistry::ReadRegistryString(const QString& name) const
{
    return ReadRegistryKey(m_section, name);
}

bool CRegistry::ReadRegistryBool(const QString& name, bool defaultValue) const
{
    const QString value = ReadRegistryString(name);
    if (value.isEmpty())
        return defaultValue;
    return value == QLatin1String("TRUE");
}

int CRegistry::ReadRegistryInt(const QString& name) const
{
    const QString value = ReadRegistryString(name);
    if (value.isEmpty())
        return -1;
    static const QRegularExpression leading(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = leading.match(value);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

void CRegistry::WriteRegistryString(const QString& section, const QString& name, const QString& value)
{
    const QString key = MakeRegistryKey(section, name);
    m_values.Set(key, value);
    CDbQuery& query = TDM_Project::Current().qryTemp;
    query.Close();
    query.SetSQL(CSQLStatement("update tbl_registry set f_value=? where f_key=?", {value, key}));
    if (query.ExecSQL() == 0)
        ExecQueryGuarded(
            query, CSQLStatement("INSERT INTO tbl_registry(f_key, f_value) VALUES (?, ?)", {key, value}));
}

void CRegistry::WriteRegistryValue(const QString& name, const QString& value)
{
    WriteRegistryString(m_section, name, value);
}

void CRegistry::WriteRegistryBool(const QString& name, bool flag)
{
    WriteRegistryString(m_section, name, flag ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
}
