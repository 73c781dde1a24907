#pragma once
#include "app/controls/CSysOutputInfo.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CSysOutputDispatchBase;
class CSysOutputViewBase;

// Message categories, the tab index of the message panel.
enum SysOutputCategory : int
{
    SysOutputAll = -1, // ClearOutput only
    SysOutputWarning = 0,
    SysOutputError = 1,
    SysOutputSearch = 2,
    SysOutputLoad = 3,
    SysOutputThermalCheck = 4,
    SysOutputOther = 5,
};

// The lines of the message panel's six categories, in the order they were added, and the bound
// panel kept in step with them: its rows are the lines of the shown category and its tab captions
// carry the counts. One program-wide instance (Instance()); tests may make their own.
//
// Adding a line costs a vector append plus, while a view is bound and updating is not suspended,
// one row append in the view. Long commands bracket their output with BeginUpdate/EndUpdate (or an
// UpdateScope): the view then hears of the whole batch once at the end.
//
// A category outside 0..5 (or -1 where allowed) raises Exception. User-interface thread only.
class CSysOutputManage
{
public:
    static constexpr int CategoryCount = 6;

    CSysOutputManage();
    ~CSysOutputManage();
    CSysOutputManage(const CSysOutputManage&) = delete;
    CSysOutputManage& operator=(const CSysOutputManage&) = delete;

    static CSysOutputManage& Instance();

    // Appends a line; the line owns the action. When the category is shown the new row becomes
    // the current row.
    void AddOutputLine(int category, const QString& text,
                       std::unique_ptr<CSysOutputDispatchBase> action = nullptr);
    // Deletes the lines (and their actions) of one category, or of all for -1.
    void ClearOutput(int category);
    // Deletes one line; an index outside the category's lines does nothing.
    void RemoveOutputLine(int category, int index);
    // Replaces the strings with the texts of the category's lines.
    void FillListBox(int category, QStringList& strings) const;
    // The line's action, or null (also for an index outside the category's lines).
    CSysOutputDispatchBase* GetLineAction(int category, int index) const;
    // Tells the view to rewrite the six tab captions.
    void RefreshTabCaptions();

    int Count(int category) const;
    const QString& LineText(int category, int index) const;
    QStringList Lines(int category) const;

    // "警告信息" .. "其它信息".
    static QString TabBaseText(int category);
    // The base text with "[n]", or "[无]" when the category has no line.
    QString TabCaption(int category) const;
    // The six base texts and the mark of an empty category in the interface's language; the
    // Chinese texts when a list is not of six texts or the mark is empty. The tabs are rewritten.
    void SetTabTexts(const QStringList& baseTexts, const QString& noneText);

    // The category whose lines the panel shows (its current tab); 0 at start.
    int ShownCategory() const { return m_shown; }
    void SetShownCategory(int category);

    // Caption of the tree node whose results were listed last.
    const QString& Subject() const { return m_subject; }
    void SetSubject(const QString& subject) { m_subject = subject; }

    // Nested suspension of the view's updating; the outermost EndUpdate brings the view up to date.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return m_updateDepth > 0; }

    class UpdateScope
    {
    public:
        explicit UpdateScope(CSysOutputManage& manage) : m_manage(manage) { m_manage.BeginUpdate(); }
        ~UpdateScope() { m_manage.EndUpdate(); }
        UpdateScope(const UpdateScope&) = delete;
        UpdateScope& operator=(const UpdateScope&) = delete;

    private:
        CSysOutputManage& m_manage;
    };

    // The bound panel, or null. The view is told to read everything again on binding.
    void SetView(CSysOutputViewBase* view);
    CSysOutputViewBase* View() const { return m_view; }

private:
    std::vector<CSysOutputInfo>& LinesOf(int category);
    const std::vector<CSysOutputInfo>& LinesOf(int category) const;
    void ClearCategory(int category);
    void RowsChanged();

    std::vector<CSysOutputInfo> m_lines[CategoryCount];
    QString m_subject;
    QStringList m_tabTexts;
    QString m_noneText;
    int m_shown = 0;
    CSysOutputViewBase* m_view = nullptr;
    int m_updateDepth = 0;
    int m_pendingAppendFrom = -1;
    bool m_pendingReset = false;
    bool m_pendingCaptions = false;
};
