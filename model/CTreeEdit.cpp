#include "model/CTreeEdit.h"

#include "model/CNodeData.h"
#include "model/TDM_Project.h"
#include "platform/core/CDbError.h"
#include "platform/core/Exception.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct SEditState
{
    int depth = 0;
    std::optional<CDbTransaction> transaction;
    std::vector<std::function<void()>> undo;
    std::vector<std::function<void()>> onCommit;
    std::vector<std::unique_ptr<CNodeData>> buried;
};

SEditState& State()
{
    static SEditState state;
    return state;
}

QString SavepointName(int depth)
{
    return QStringLiteral("tree_edit_%1").arg(depth);
}

void RunSavepointStatement(const QString& sql, bool raise)
{
    QSqlQuery query(TDM_Project::Current().ProjectCon.Database());
    if (!query.exec(sql) && raise)
        throw Exception(
            QStringLiteral("执行数据发生异常:\n%1\n执行的语句:%2").arg(CDbError::Describe(query.lastError()), sql));
}

} // namespace

CTreeEdit::CTreeEdit()
{
    SEditState& state = State();
    if (state.depth == 0)
        state.transaction.emplace(TDM_Project::Current().ProjectCon);
    else
        RunSavepointStatement(QStringLiteral("SAVEPOINT ") + SavepointName(state.depth), true);
    m_depth = ++state.depth;
    m_undoMark = state.undo.size();
    m_commitMark = state.onCommit.size();
}

CTreeEdit::~CTreeEdit()
{
    SEditState& state = State();
    --state.depth;
    if (!m_done) {
        if (m_depth == 1) {
            state.transaction.reset(); // rolls back
        } else {
            // No throwing out of a destructor: a failed rollback leaves the outer edit to fail.
            RunSavepointStatement(QStringLiteral("ROLLBACK TO ") + SavepointName(m_depth - 1), false);
            RunSavepointStatement(QStringLiteral("RELEASE ") + SavepointName(m_depth - 1), false);
        }
        while (state.undo.size() > m_undoMark) {
            std::function<void()> undo = std::move(state.undo.back());
            state.undo.pop_back();
            undo();
        }
        state.onCommit.resize(m_commitMark);
    }
    if (m_depth == 1) {
        // Whatever is still buried was created and removed within this edit.
        state.undo.clear();
        state.onCommit.clear();
        state.buried.clear();
    }
}

void CTreeEdit::Commit()
{
    SEditState& state = State();
    if (m_depth > 1) {
        RunSavepointStatement(QStringLiteral("RELEASE ") + SavepointName(m_depth - 1), true);
        m_done = true;
        return;
    }
    state.transaction->Commit();
    m_done = true;
    state.transaction.reset();
    state.undo.clear();
    // The actions may start further edits; they run on their own.
    std::vector<std::function<void()>> actions;
    actions.swap(state.onCommit);
    std::vector<std::unique_ptr<CNodeData>> buried;
    buried.swap(state.buried);
    --state.depth;
    for (const auto& action : actions)
        action();
    buried.clear();
    ++state.depth;
}

bool CTreeEdit::Active()
{
    return State().depth > 0;
}

void CTreeEdit::OnUndo(std::function<void()> undo)
{
    if (Active())
        State().undo.push_back(std::move(undo));
}

void CTreeEdit::OnCommit(std::function<void()> action)
{
    if (Active())
        State().onCommit.push_back(std::move(action));
    else
        action();
}

void CTreeEdit::Bury(std::unique_ptr<CNodeData> node)
{
    if (Active())
        State().buried.push_back(std::move(node));
}

std::unique_ptr<CNodeData> CTreeEdit::Exhume(CNodeData* node)
{
    auto& buried = State().buried;
    const auto it =
        std::find_if(buried.begin(), buried.end(), [node](const auto& p) { return p.get() == node; });
    if (it == buried.end())
        return nullptr;
    std::unique_ptr<CNodeData> owned = std::move(*it);
    buried.erase(it);
    return owned;
}
