#include "calc/CRunTimeMgr.h"

#include "calc/CCalculateHostBase.h"
#include "calc/CRunTimeFileReader.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
// Name, flags, room count, stored sums and list name of a scheme without name or rooms.
constexpr qint64 kMinSchemeBytes = 4 + RunTimeSys::HourCount + 4 +
                                   qint64(RunTimeSys::Days) * RunTimeSys::StoredSeries * 4 + 4;

void ShowError(const QString& text)
{
    if (CTool::Exists())
        CTool::Current().ShowMessageBox(QStringLiteral("错误"), text, 6, 1);
}
} // namespace

CRunTimeMgr::CRunTimeMgr() = default;

CRunTimeMgr::~CRunTimeMgr() = default;

RunTimeSys* CRunTimeMgr::GetScheme(const QString& name) const
{
    return SchemeAt(static_cast<int>(m_names.indexOf(name)));
}

RunTimeSys* CRunTimeMgr::SchemeAt(int index) const
{
    return index >= 0 && index < Count() ? m_schemes[static_cast<size_t>(index)].get() : nullptr;
}

RunTimeSys* CRunTimeMgr::FindSchemeOfRoom(int nodeId) const
{
    for (const auto& scheme : m_schemes)
        if (scheme->RoomIds.lastIndexOf(nodeId) >= 0)
            return scheme.get();
    return nullptr;
}

bool CRunTimeMgr::HasName(const QString& name, const RunTimeSys* except) const
{
    for (int i = 0; i < Count(); ++i)
        if (SchemeAt(i) != except && m_names[i].compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool CRunTimeMgr::AddScheme(const QString& name, std::unique_ptr<RunTimeSys>& scheme)
{
    if (!scheme)
        return false;
    if (HasName(name)) {
        ShowError(QStringLiteral("使用了相同的模式名称"));
        return false;
    }
    m_schemes.push_back(std::move(scheme));
    m_names << name;
    return true;
}

void CRunTimeMgr::DeleteScheme(const QString& name)
{
    const int index = static_cast<int>(m_names.indexOf(name));
    if (index < 0)
        return;
    m_names.removeAt(index);
    m_schemes.erase(m_schemes.begin() + index);
}

void CRunTimeMgr::RenameScheme(const QString& oldName, const QString& newName)
{
    const int index = static_cast<int>(m_names.indexOf(oldName));
    if (index < 0)
        return;
    m_names[index] = newName;
    m_schemes[static_cast<size_t>(index)]->Name = newName;
}

void CRunTimeMgr::Clear()
{
    m_schemes.clear();
    m_names.clear();
}

bool CRunTimeMgr::LoadSchemeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (CTool::Exists())
            CTool::Current().ShowMessage(QStringLiteral("无法读取运行方案文件“%1”：%2")
                                             .arg(QDir::toNativeSeparators(path), file.errorString()));
        Clear();
        return false;
    }
    const QByteArray bytes = file.readAll();
    CRunTimeFileReader in(bytes);
    qint32 count = 0;
    bool whole = bytes.size() < 4 || (in.ReadInt(count) && count >= 0 && count * kMinSchemeBytes <= in.Remaining());
    for (int i = 0; whole && i < count; ++i) {
        auto scheme = std::make_unique<RunTimeSys>();
        QString listName;
        whole = scheme->ReadFrom(in) && in.ReadText(listName);
        if (whole) {
            m_schemes.push_back(std::move(scheme));
            m_names << listName;
        }
    }
    if (whole)
        return true;
    Clear();
    ShowError(QStringLiteral("运行模式读取错误"));
    return false;
}

QByteArray CRunTimeMgr::SchemeFileBytes() const
{
    QByteArray bytes;
    RunTimeFile::WriteInt(bytes, Count());
    for (int i = 0; i < Count(); ++i) {
        m_schemes[static_cast<size_t>(i)]->WriteTo(bytes);
        RunTimeFile::WriteText(bytes, m_names[i]);
    }
    return bytes;
}

void CRunTimeMgr::SaveSchemeFile(const QString& path) const
{
    const QByteArray bytes = SchemeFileBytes();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Exception(QStringLiteral("无法写入运行方案文件“%1”：%2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
}

const unsigned char* CRunTimeMgr::SchemeFlagsOfRoom(int roomNodeId) const
{
    const CCalculateHostBase* host = CCalculateHostBase::GetCurrent();
    if (!host || !host->IsSchemeMode() || m_schemes.empty())
        return nullptr;
    const RunTimeSys* scheme = GetScheme(host->SchemeName());
    if (!scheme || scheme->RoomIds.lastIndexOf(roomNodeId) < 0)
        scheme = FindSchemeOfRoom(roomNodeId);
    return scheme ? scheme->HourFlags.data() : nullptr;
}
