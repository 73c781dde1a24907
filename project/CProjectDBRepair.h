#pragma once
#include <QHash>
#include <QList>
#include <QString>

struct CSQLStatement;

// Checks the open project database for rows and tree nodes that disagree and repairs what the
// user allows, in four checks:
//  1. element rows that no tree node refers to are deleted; a row that still has elements of the
//     tree below it is kept and named, as deleting it would take them along;
//  2. of several tree nodes of one type on one element row, every node after the first gets a
//     copy of the row;
//  3. a tree node whose element row is missing gets a row with the defaults of its type, named by
//     its caption;
//  4. an envelope element whose construction is missing from the project's library takes the
//     default construction of its kind; a default that is no whole number, or names no record,
//     is reported and that kind left as it is.
// The first finding asks whether to repair; a yes repairs every later finding without asking, a no
// leaves the finding and the next one asks again. The run ends with "数据正确。" when nothing was
// found, else with "处理完毕", and the report "repairlog.txt" in the project's folder, written
// during the run, is opened with the desktop. Repairs are written at once, each node's in one
// transaction. A failing check statement raises Exception with the statement.
class CProjectDBRepair
{
public:
    CProjectDBRepair();
    void Run();
    // The report's full path.
    const QString& LogPath() const { return m_logPath; }

private:
    // Element table and type code of an element table below a table, by the parent table.
    struct SChildTable
    {
        QString Table;
        int Type;
    };

    void CheckSurplusRows();
    void CheckSharedElements();
    void CheckMissingRows();
    void CheckConstructions();

    // Opens the check statement under its wait text; the number of findings.
    int OpenCheck(const QString& waitText, const CSQLStatement& statement);
    // After findings: whether to repair them.
    bool Confirm(const QString& question);
    void Log(const QString& line);
    void Notify(const QString& message);

    // The rows below an element row, through the parent links, each as type and element ID.
    QList<std::pair<int, int>> Descendants(const QString& table, int id);
    bool InTree(int type, int elementId);

    bool m_allCorrect = true;
    bool m_confirmed = false;
    QString m_logPath;
    QHash<QString, QList<SChildTable>> m_children;
};

// Runs the check and repair on the open project.
void CheckAndRepairProjectDB();
