#include "report/COutputParams.h"

#include "calc/CCalculateHostBase.h"
#include "calc/ResultByType.h"
#include "model/TDM_Project.h"
#include "platform/core/CSavepoint.h"
#include "platform/core/CTool.h"
#include "report/CConstructForOutput.h"

namespace {
constexpr int kErrorCategory = 1;
} // namespace

COutputParams::COutputParams()
{
    m_root.OutputOptionName = QString::fromUtf8(RootCaption);
}

COutputParams::~COutputParams() = default;

void COutputParams::Clear()
{
    Modified = false;
    m_params.clear();
    m_root.Children.clear();
}

void COutputParams::LoadOutputParams()
{
    Clear();
    CDbQuery& query = TDM_Project::Current().OutputOption;
    query.Close();
    query.Open();
    CConstructForOutput groups;
    for (query.First(); !query.Eof(); query.Next()) {
        auto option = std::make_unique<COutputParam>();
        option->ID = query.AsInt(QStringLiteral("ID"));
        option->FatherID = query.AsInt(QStringLiteral("FatherID"));
        option->OutputOptionName = query.AsString(QStringLiteral("OutputOptionName"));
        option->Comments = query.AsString(QStringLiteral("Comments"));
        option->FirstLine_Count = query.AsInt(QStringLiteral("FirstLine_Count"));
        option->SecondLine_Count = query.AsInt(QStringLiteral("SecondLine_Count"));
        for (int t = 0; t < COutputParam::DesignTypeCount; ++t)
            option->OutputFlags[static_cast<size_t>(t)] =
                query.AsInt(QString::fromLatin1(COutputParam::FlagColumns()[static_cast<size_t>(t)]));
        groups.AddOption(option.get());
        m_params.push_back(std::move(option));
    }
    query.Close();
    for (const CConstructForOutput::SGroup& group : groups.Groups())
        if (COutputParam* father = FindOutputParam(group.FatherID))
            father->Children = group.Options;
}

void COutputParams::SaveOutputParams()
{
    QString assignments;
    for (const char* column : COutputParam::FlagColumns())
        assignments += (assignments.isEmpty() ? QString() : QStringLiteral(",")) + QString::fromLatin1(column) +
                       QStringLiteral("=?");
    const QString text = QStringLiteral("update OutputOption set %1 where ID=?").arg(assignments);

    TDM_Project& project = TDM_Project::Current();
    CSavepoint transaction(project.ProjectCon.Name());
    for (const auto& option : m_params) {
        if (!option->Changed)
            continue;
        QVariantList values;
        for (int flag : option->OutputFlags)
            values << flag;
        values << option->ID;
        ExecQueryGuarded(project.qryTemp, CSQLStatement(text, values));
    }
    transaction.Commit();
    for (const auto& option : m_params)
        option->Changed = false;
}

COutputParam* COutputParams::FindOutputParam(int id)
{
    if (id == 0)
        return &m_root;
    const int count = Count();
    for (int low = id, high = id; low >= 0 || high < count; --low, ++high) {
        if (low >= 0 && low < count && m_params[static_cast<size_t>(low)]->ID == id) {
            CurrentIndex = low;
            return m_params[static_cast<size_t>(low)].get();
        }
        if (high >= 0 && high < count && m_params[static_cast<size_t>(high)]->ID == id) {
            CurrentIndex = high;
            return m_params[static_cast<size_t>(high)].get();
        }
    }
    ReportMissing(id);
    return nullptr;
}

bool COutputParams::IsOutput(int id)
{
    return IsOutput(id, CurrentDesignType());
}

bool COutputParams::IsOutput(int id, int designType)
{
    const COutputParam* option = FindOutputParam(id);
    return option && option->Flag(designType) > 0;
}

QString COutputParams::GetOutputName(int id)
{
    const COutputParam* option = FindOutputParam(id);
    return option ? option->OutputOptionName : QString();
}

void COutputParams::SetOutputFlag(COutputParam& option, int designType, int flag)
{
    if (designType < 0 || designType >= COutputParam::DesignTypeCount)
        return;
    option.OutputFlags[static_cast<size_t>(designType)] = flag;
    option.Changed = true;
    Modified = true;
}

COutputParam* COutputParams::Param(int position) const
{
    if (position < 0 || position >= Count())
        return nullptr;
    return m_params[static_cast<size_t>(position)].get();
}

void COutputParams::ReportMissing(int id) const
{
    CCalculateHostBase::PostOutputLine(kErrorCategory,
                                       QStringLiteral("系统异常，找不到输出项%1,请与我们联系!!!").arg(id));
}
