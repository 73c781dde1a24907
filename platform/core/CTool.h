#pragma once
#include "platform/core/CCurrent.h"
#include "platform/core/CSQLStatement.h"

#include <QString>
#include <QStringList>
#include <memory>

class CDbQuery;
class CToolDialogsBase;

// The program-wide tool object: query operations that report failures in a message box, and the
// dialogs every subsystem uses. One exists while the program (or a test) runs; it registers itself
// as Current() on construction and clears the slot on destruction.
class CTool : public CCurrent<CTool>
{
public:
    static constexpr const char* SlotName = "CTool";

    explicit CTool(std::unique_ptr<CToolDialogsBase> dialogs);
    ~CTool();

    CToolDialogsBase& Dialogs() { return *m_dialogs; }

    // Record count, or -1 after showing "%s\nSQL:%s" with the database's message and the statement.
    static int OpenQuery(CDbQuery& query, const CSQLStatement& statement);
    // Affected rows, or 0 after showing the same message.
    static int ExecQuery(CDbQuery& query, const CSQLStatement& statement);

    int BeginProgress(bool flag, int total, const QString& title);
    int StepProgress(int steps);
    int EndProgress();
    int Input(const QString& prompt, QString& value, int option, const QString& caption);
    int InputList(const QStringList& labels, QStringList& values, int option, const QString& title);
    int Select(const QString& title, const QStringList& options);
    // Icons and the default button as CToolDialogsBase::ShowInfor takes them.
    int ShowMessageBox(const QString& caption, const QString& message, int style, int icon,
                       const QString& firstButton = QStringLiteral("确定"),
                       const QString& secondButton = QStringLiteral("取消"), int defaultButton = 1);
    void ShowMessage(const QString& message);
    bool GetOpenFileName(const QString& title, const QString& filter, QString& fileName);
    bool GetSaveFileName(const QString& title, const QString& filter, QString& fileName);
    bool GetSaveFileNameAndFilter(const QString& title, const QString& filter, QString& fileName, int& filterIndex);

private:
    std::unique_ptr<CToolDialogsBase> m_dialogs;
};

// Closes the progress window of CTool on every way out of a scope, also when an exception passes.
class CProgressScope
{
public:
    CProgressScope(int total, const QString& title);
    ~CProgressScope();
    CProgressScope(const CProgressScope&) = delete;
    CProgressScope& operator=(const CProgressScope&) = delete;
    void Step(int steps = 1);
};

// Opens the query, or raises Exception "查询SQL发生异常:\n<message>\n执行的语句:<statement>".
void OpenQueryGuarded(CDbQuery& query, const CSQLStatement& statement);
// Executes the statement and returns the affected rows, or raises
// "执行数据发生异常:\n<message>\n执行的语句:<statement>".
int ExecQueryGuarded(CDbQuery& query, const CSQLStatement& statement);

// The text with the suffix appended unless it already ends with it (compared case-insensitively,
// so Office.vlz stays Office.vlz).
QString EnsureSuffix(const QString& text, const QString& suffix);
