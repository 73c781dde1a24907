#include "plugin/CPlug.h"

#include "platform/core/CGbkCodec.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "project/CSystemGlobalData.h"

#include <QFileInfo>

namespace {
template <typename F> F Resolve(QLibrary& library, const char* name)
{
    return reinterpret_cast<F>(library.resolve(name));
}

QString FromPlugText(const char* text)
{
    return text ? CGbkCodec::FromGbk(QByteArray(text)) : QString();
}
} // namespace

CPlug::CPlug(const QString& path) : m_path(path)
{
    m_library.setFileName(path);
    if (!m_library.load())
        return;
    m_getItemName = Resolve<TGetItemName>(m_library, "GetItemName");
    m_getDllVersion = Resolve<TGetDllVersion>(m_library, "GetDllVersion");
    m_getCalculateType = Resolve<TGetCalculateType>(m_library, "GetCalculateType");
    m_getDllExplain = Resolve<TGetDllExplain>(m_library, "GetDllExplain");
    m_config = Resolve<TConfig>(m_library, "Config");
    m_getReport = Resolve<TGetReport>(m_library, "GetReport");
    m_exe = Resolve<TExe>(m_library, "Exe");
    m_setWorkPath = Resolve<TSetWorkPath>(m_library, "SetWorkPath");
    m_outPutOrMainForm = Resolve<TOutPutOrMainForm>(m_library, "OutPutOrMainForm");
    m_getPlugVersion = Resolve<TGetPlugVersion>(m_library, "GetPlugVersion");
    m_setPlugID = Resolve<TSetPlugID>(m_library, "SetPlugID");
    // The four values read at load are called unconditionally, so a plug-in lacking one of them
    // is refused like one without a version rather than called through a null pointer.
    if (!m_getDllVersion || !m_getItemName || !m_getCalculateType || !m_getDllExplain) {
        if (CTool::Exists())
            CTool::Current().ShowMessageBox(QStringLiteral("异常"), QStringLiteral("错误，该插件接口不符合要求"), 6, 1);
        return;
    }
    m_valid = true;
    m_version = m_getDllVersion();
    m_name = FromPlugText(m_getItemName());
    m_calculateType = m_getCalculateType();
    m_explanation = FromPlugText(m_getDllExplain());
}

CPlug::~CPlug()
{
    if (m_library.isLoaded())
        m_library.unload();
}

QString CPlug::PlugConfigPath() const
{
    const QString folder = CSystemGlobalData::Exists() ? CSystemGlobalData::Current().ProjectFolder() : QString();
    return folder + m_name + QStringLiteral(".config");
}

QString CPlug::PlugFolder() const
{
    return QFileInfo(m_path).absolutePath() + QLatin1Char('/');
}

QString CPlug::MiddleDllPath()
{
    return CProgramFolder::Path() + QStringLiteral("libmiddledll.so");
}

void CPlug::PlugSetID(int id)
{
    if (m_setPlugID)
        m_setPlugID(id);
}

void CPlug::PlugSetWorkPath(const QString& middleDllPath, const QString& configPath)
{
    if (m_setWorkPath)
        m_setWorkPath(CGbkCodec::ToGbk(middleDllPath).constData(), CGbkCodec::ToGbk(configPath).constData());
}

void CPlug::PlugOutPutOrMainForm(int mode)
{
    if (m_outPutOrMainForm)
        m_outPutOrMainForm(mode);
}

bool CPlug::PlugRunConfig()
{
    PlugSetPaths();
    return m_config ? m_config(CGbkCodec::ToGbk(PlugConfigPath()).constData()) : true;
}

void CPlug::PlugRunExe()
{
    PlugSetPaths();
    if (m_exe)
        m_exe();
}

CQORReport* CPlug::PlugGetReport()
{
    PlugSetPaths();
    return m_getReport ? m_getReport(CGbkCodec::ToGbk(PlugFolder()).constData()) : nullptr;
}
