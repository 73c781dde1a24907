#include "plugin/CPlugManage.h"

#include "platform/core/CGbkCodec.h"
#include "platform/core/CProgramFolder.h"
#include "plugin/CPlug.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {
const QString kOutputConfig = QStringLiteral("OutPutConfig.data");

// The lines of a names file in lower case; false when the file cannot be read.
bool ReadNames(const QString& path, QSet<QString>& names)
{
    QString text;
    if (!QFileInfo::exists(path) || !CGbkCodec::ReadTextFile(path, text))
        return false;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        names.insert(line.toLower());
    }
    return true;
}
} // namespace

CPlugManage::CPlugManage(const QString& plugFolder)
    : m_folder(plugFolder.isEmpty() ? CProgramFolder::Path() + QStringLiteral("PlugIn/") : plugFolder)
{
    LoadPlugs();
}

CPlugManage::~CPlugManage() = default;

QString CPlugManage::PlugConfigFile()
{
    return CProgramFolder::Path() + QStringLiteral("PlugConfig.data");
}

void CPlugManage::LoadPlugs()
{
    m_plugs.clear();
    ScanPlugFolder(m_folder);
    QSet<QString> enabled;
    if (!ReadNames(PlugConfigFile(), enabled))
        return;
    for (const auto& plug : m_plugs)
        plug->Enabled = enabled.contains(plug->Name().toLower());
}

void CPlugManage::ScanPlugFolder(const QString& folder)
{
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir()) {
            if (!entry.isSymLink() && !entry.isHidden())
                ScanPlugFolder(entry.absoluteFilePath());
            continue;
        }
        const QString name = entry.fileName();
        if (!name.contains(QLatin1String(".plg")) && !name.contains(QLatin1String(".so")))
            continue;
        auto plug = std::make_unique<CPlug>(entry.absoluteFilePath());
        if (!plug->IsLoaded() || !plug->PlugIsValid())
            continue;
        plug->PlugSetID(Count());
        m_plugs.push_back(std::move(plug));
    }
}

CPlug* CPlugManage::Get(int index) const
{
    return index >= 0 && index < Count() ? m_plugs[static_cast<size_t>(index)].get() : nullptr;
}

void CPlugManage::LoadOutputConfig(const QString& projectFolder)
{
    QSet<QString> chosen;
    if (!ReadNames(projectFolder + kOutputConfig, chosen))
        return;
    for (const auto& plug : m_plugs)
        plug->Output = chosen.contains(plug->Name().toLower());
}

void CPlugManage::SaveOutputConfig(const QString& projectFolder) const
{
    QStringList names;
    for (const auto& plug : m_plugs)
        if (plug->Output)
            names << plug->Name();
    CGbkCodec::WriteLines(projectFolder + kOutputConfig, names);
}
