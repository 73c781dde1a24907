#include "model/CQORConfig.h"

#include "platform/core/CIniFile.h"
#include "platform/core/CProgramFolder.h"

QString CQORConfig::ReadConfigString(const QString& section, const QString& key) const
{
    return CIniFile(CProgramFolder::Resolve(QStringLiteral("lib\\config.ini"))).ReadString(section, key);
}

bool CQORConfig::UsesNewPicker() const
{
    return ReadConfigString(QStringLiteral("lib"), QStringLiteral("mode")) == QLatin1String("new");
}
