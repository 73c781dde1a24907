#include "lang/CMultiLanguage.h"

#include "lang/CLgFormRegistryBase.h"
#include "lang/CMultiLgGroup.h"
#include "platform/core/CIniFile.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CXMLDocument.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

namespace {
const QString SettingSection = QStringLiteral("setting");
const QString DefaultKey = QStringLiteral("default");
const QString OwnTexts = QStringLiteral("，界面使用程序自带的文字。");

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Element names of text and comment nodes start with '#'; only elements are groups and items.
bool IsElement(const CXMLNode* node)
{
    return node && !node->Name.startsWith(QLatin1Char('#'));
}
} // namespace

CMultiLanguage::CMultiLanguage() = default;
CMultiLanguage::~CMultiLanguage() = default;

CMultiLanguage& GetMultiLanguage()
{
    static CMultiLanguage manager;
    return manager;
}

QString CMultiLanguage::ConfigPath() const
{
    return CProgramFolder::ResolveIn(m_folder, QStringLiteral("config.ini"));
}

void CMultiLanguage::ReadLanguageConfig(const QString& folder)
{
    m_folder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    m_languages.clear();
    m_groups.clear();
    m_current.clear();
    const CIniFile ini(ConfigPath());
    if (!QFileInfo(ini.Path()).isFile()) {
        AddProblem(QStringLiteral("语言配置文件%1不存在").arg(Shown(ini.Path())) + OwnTexts);
        return;
    }
    const QString defaultName = ini.ReadString(SettingSection, DefaultKey, QStringLiteral("cn"));
    for (const QString& section : ini.SectionNames()) {
        if (section.toLower() == SettingSection)
            continue;
        CLgParam param;
        param.Section = section;
        param.FileName = ini.ReadString(section, QStringLiteral("filename"));
        param.FontName = ini.ReadString(section, QStringLiteral("font-name"), param.FontName);
        param.Charset = ini.ReadString(section, QStringLiteral("charset"), QStringLiteral("0")).toInt();
        param.DisSize = ini.ReadString(section, QStringLiteral("dissize"), QStringLiteral("0")).toInt();
        m_languages.push_back(param);
    }
    SelectLanguage(defaultName, true);
}

void CMultiLanguage::SelectLanguage(const QString& name, bool reload)
{
    if (name == m_current)
        return;
    m_current = name;
    if (reload) {
        if (const CLgParam* param = GetCurrentParam()) {
            LoadLanguageFile(CProgramFolder::ResolveIn(m_folder, param->FileName));
            if (m_registry)
                m_registry->ReattachAll();
        } else {
            AddProblem(QStringLiteral("语言配置文件中没有语言“%1”").arg(name) + OwnTexts);
        }
    }
    SaveDefault();
}

void CMultiLanguage::LoadLanguageFile(const QString& path)
{
    m_groups.clear();
    if (!QFileInfo(path).isFile()) {
        AddProblem(QStringLiteral("语言文件%1不存在").arg(Shown(path)) + OwnTexts);
        return;
    }
    CXMLDocument document;
    if (!document.LoadFromFile(path)) {
        AddProblem(QStringLiteral("语言文件%1无法读取或不是有效的XML文件").arg(Shown(path)) + OwnTexts);
        return;
    }
    CXMLNode* root = document.GetRootNode();
    CXMLNode* trans = nullptr;
    for (int i = 0; i < root->GetChildCount() && !trans; ++i)
        if (root->GetChild(i)->Name == QLatin1String("trans"))
            trans = root->GetChild(i);
    if (!trans) {
        AddProblem(QStringLiteral("语言文件%1中没有trans节点").arg(Shown(path)) + OwnTexts);
        return;
    }
    for (int g = 0; g < trans->GetChildCount(); ++g) {
        CXMLNode* groupNode = trans->GetChild(g);
        if (!IsElement(groupNode))
            continue;
        auto group = std::make_shared<CMultiLgGroup>(groupNode->GetAttribute(QStringLiteral("name")));
        for (int i = 0; i < groupNode->GetChildCount(); ++i) {
            CXMLNode* item = groupNode->GetChild(i);
            if (!IsElement(item))
                continue;
            const QString key = item->GetAttributeW(QStringLiteral("name"));
            const QString value = item->GetAttribute(QStringLiteral("value"));
            // An empty translation would blank the form's text: the default serves better.
            if (!key.isEmpty() && !value.isEmpty())
                group->SetText(key, value);
        }
        const QString name = group->Name();
        m_groups.insert(name, std::move(group));
    }
}

std::shared_ptr<const CMultiLgGroup> CMultiLanguage::GetGroup(const QString& name) const
{
    if (auto group = m_groups.value(name))
        return group;
    return std::make_shared<const CMultiLgGroup>(name);
}

const CLgParam* CMultiLanguage::GetCurrentParam() const
{
    for (const CLgParam& param : m_languages)
        if (param.Section == m_current)
            return &param;
    return nullptr;
}

void CMultiLanguage::SaveDefault()
{
    if (m_folder.isEmpty() || !QFileInfo(m_folder).isDir())
        return;
    const CIniFile ini(ConfigPath());
    // A line break is no language name, so an absent key always counts as a change.
    if (ini.ReadString(SettingSection, DefaultKey, QStringLiteral("\n")) == m_current)
        return;
    if (!ini.WriteString(SettingSection, DefaultKey, m_current))
        AddProblem(QStringLiteral("语言设置无法保存到%1。").arg(Shown(ini.Path())));
}

QStringList CMultiLanguage::TakeProblems()
{
    return std::exchange(m_problems, {});
}
