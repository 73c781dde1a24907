#include "platform/core/CTool.h"

#include "platform/core/CDbQuery.h"
#include "platform/core/CToolDialogsBase.h"
#include "platform/core/Exception.h"

namespace {
void ReportQueryFailure(const QString& message, const CSQLStatement& statement)
{
    if (CTool::Exists())
        CTool::Current().ShowMessage(QStringLiteral("%1\nSQL:%2").arg(message, statement.Describe()));
}
} // namespace

CTool::CTool(std::unique_ptr<CToolDialogsBase> dialogs) : m_dialogs(std::move(dialogs))
{
}

CTool::~CTool() = default;

int CTool::OpenQuery(CDbQuery& query, const CSQLStatement& statement)
{
    try {
        query.Close();
        query.SetSQL(statement);
        query.Open();
        return query.RecordCount();
    } catch (const Exception& e) {
        ReportQueryFailure(e.Message(), statement);
    } catch (const std::exception&) {
        ReportQueryFailure(QStringLiteral("执行SQL语句失败"), statement);
    }
    return -1;
}

int CTool::ExecQuery(CDbQuery& query, const CSQLStatement& statement)
{
    try {
        query.SetSQL(statement);
        return query.ExecSQL();
    } catch (const Exception& e) {
        ReportQueryFailure(e.Message(), statement);
    } catch (const std::exception&) {
        ReportQueryFailure(QStringLiteral("执行SQL语句失败"), statement);
    }
    return 0;
}

int CTool::BeginProgress(bool flag, int total, const QString& title)
{
    return m_dialogs->BeginProgress(flag, total, title);
}

int CTool::StepProgress(int steps)
{
    return m_dialogs->StepProgress(steps);
}

int CTool::EndProgress()
{
    return m_dialogs->EndProgress();
}

int CTool::Input(const QString& prompt, QString& value, int option, const QString& caption)
{
    return m_dialogs->Input(prompt, value, option, caption);
}

int CTool::InputList(const QStringList& labels, QStringList& values, int option, const QString& title)
{
    return m_dialogs->InputList(labels, values, option, title);
}

int CTool::Select(const QString& title, const QStringList& options)
{
    return m_dialogs->Select(title, options);
}

int CTool::ShowMessageBox(const QString& caption, const QString& message, int style, int icon,
                          const QString& firstButton, const QString& secondButton, int defaultButton)
{
    return m_dialogs->ShowInfor(caption, message, style, icon, firstButton, secondButton, defaultButton);
}

void CTool::ShowMessage(const QString& message)
{
    m_dialogs->ShowMessage(message);
}

bool CTool::GetOpenFileName(const QString& title, const QString& filter, QString& fileName)
{
    return m_dialogs->GetOpenFileName(title, filter, fileName);
}

bool CTool::GetSaveFileName(const QString& title, const QString& filter, QString& fileName)
{
    return m_dialogs->GetSaveFileName(title, filter, fileName);
}

bool CTool::GetSaveFileNameAndFilter(const QString& title, const QString& filter, QString& fileName,
                                     int& filterIndex)
{
    return m_dialogs->GetSaveFileNameAndFilter(title, filter, fileName, filterIndex);
}

CProgressScope::CProgressScope(int total, const QString& title)
{
    CTool::Current().BeginProgress(false, total, title);
}

CProgressScope::~CProgressScope()
{
    if (CTool::Exists())
        CTool::Current().EndProgress();
}

void CProgressScope::Step(int steps)
{
    CTool::Current().StepProgress(steps);
}

void OpenQueryGuarded(CDbQuery& query, const CSQLStatement& statement)
{
    try {
        query.Close();
        query.SetSQL(statement);
        query.Open();
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("查询SQL发生异常:\n%1\n执行的语句:%2").arg(e.Message(), statement.Describe()));
    }
}

int ExecQueryGuarded(CDbQuery& query, const CSQLStatement& statement)
{
    try {
        query.Close();
        query.SetSQL(statement);
        return query.ExecSQL();
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("执行数据发生异常:\n%1\n执行的语句:%2").arg(e.Message(), statement.Describe()));
    }
}

QString EnsureSuffix(const QString& text, const QString& suffix)
{
    if (text.endsWith(suffix, Qt::CaseInsensitive))
        return text;
    return text + suffix;
}
