#include "app/controls/CSysOutputManage.h"

#include "app/controls/CSysOutputViewBase.h"
#include "platform/core/Exception.h"

namespace {

void CheckCategory(int category, bool allowAll)
{
    if ((category < 0 || category >= CSysOutputManage::CategoryCount) &&
        !(allowAll && category == SysOutputAll))
        throw Exception(QStringLiteral("信息类别%1不存在").arg(category));
}

} // namespace

CSysOutputManage::CSysOutputManage() = default;

CSysOutputManage::~CSysOutputManage()
{
    m_view = nullptr;
}

CSysOutputManage& CSysOutputManage::Instance()
{
    static CSysOutputManage instance;
    return instance;
}

std::vector<CSysOutputInfo>& CSysOutputManage::LinesOf(int category)
{
    CheckCategory(category, false);
    return m_lines[category];
}

const std::vector<CSysOutputInfo>& CSysOutputManage::LinesOf(int category) const
{
    CheckCategory(category, false);
    return m_lines[category];
}

void CSysOutputManage::AddOutputLine(int category, const QString& text,
                                     std::unique_ptr<CSysOutputDispatchBase> action)
{
    std::vector<CSysOutputInfo>& lines = LinesOf(category);
    lines.push_back(CSysOutputInfo{text, std::move(action)});
    if (!m_view)
        return;
    const int index = static_cast<int>(lines.size()) - 1;
    if (m_updateDepth > 0) {
        if (category == m_shown && m_pendingAppendFrom < 0)
            m_pendingAppendFrom = index;
        m_pendingCaptions = true;
        return;
    }
    if (category == m_shown)
        m_view->RowsAppended(index, index);
    RefreshTabCaptions();
}

void CSysOutputManage::ClearCategory(int category)
{
    std::vector<CSysOutputInfo>& lines = m_lines[category];
    // From the last to the first, each line deleting its action.
    while (!lines.empty())
        lines.pop_back();
}

void CSysOutputManage::ClearOutput(int category)
{
    CheckCategory(category, true);
    if (category == SysOutputAll) {
        for (int c = 0; c < CategoryCount; ++c)
            ClearCategory(c);
    } else {
        ClearCategory(category);
    }
    if (category == SysOutputAll || category == m_shown)
        RowsChanged();
    RefreshTabCaptions();
}

void CSysOutputManage::RemoveOutputLine(int category, int index)
{
    std::vector<CSysOutputInfo>& lines = LinesOf(category);
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return;
    lines.erase(lines.begin() + index);
    if (category == m_shown) {
        if (m_updateDepth > 0)
            RowsChanged();
        else if (m_view)
            m_view->RowRemoved(index);
    }
    RefreshTabCaptions();
}

void CSysOutputManage::FillListBox(int category, QStringList& strings) const
{
    const std::vector<CSysOutputInfo>& lines = LinesOf(category);
    strings.clear();
    strings.reserve(static_cast<qsizetype>(lines.size()));
    for (const CSysOutputInfo& line : lines)
        strings.append(line.text);
}

CSysOutputDispatchBase* CSysOutputManage::GetLineAction(int category, int index) const
{
    const std::vector<CSysOutputInfo>& lines = LinesOf(category);
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return nullptr;
    return lines[index].action.get();
}

void CSysOutputManage::RefreshTabCaptions()
{
    if (!m_view)
        return;
    if (m_updateDepth > 0) {
        m_pendingCaptions = true;
        return;
    }
    m_view->TabCaptionsChanged();
}

int CSysOutputManage::Count(int category) const
{
    return static_cast<int>(LinesOf(category).size());
}

const QString& CSysOutputManage::LineText(int category, int index) const
{
    const std::vector<CSysOutputInfo>& lines = LinesOf(category);
    if (index < 0 || index >= static_cast<int>(lines.size()))
        throw Exception(QStringLiteral("信息行%1不存在").arg(index));
    return lines[index].text;
}

QStringList CSysOutputManage::Lines(int category) const
{
    QStringList lines;
    FillListBox(category, lines);
    return lines;
}

QString CSysOutputManage::TabBaseText(int category)
{
    static const char* const texts[CategoryCount] = {"警告信息", "错误信息",   "查找信息",
                                                     "负荷信息", "传热阻校核", "其它信息"};
    CheckCategory(category, false);
    return QString::fromUtf8(texts[category]);
}

QString CSysOutputManage::TabCaption(int category) const
{
    const int count = Count(category);
    const QString base = m_tabTexts.size() == CategoryCount ? m_tabTexts.at(category) : TabBaseText(category);
    const QString none = m_noneText.isEmpty() ? QStringLiteral("无") : m_noneText;
    return base + QLatin1Char('[') + (count > 0 ? QString::number(count) : none) + QLatin1Char(']');
}

void CSysOutputManage::SetTabTexts(const QStringList& baseTexts, const QString& noneText)
{
    m_tabTexts = baseTexts.size() == CategoryCount ? baseTexts : QStringList();
    m_noneText = noneText;
    RefreshTabCaptions();
}

void CSysOutputManage::SetShownCategory(int category)
{
    CheckCategory(category, false);
    if (category == m_shown)
        return;
    m_shown = category;
    m_pendingAppendFrom = -1;
    RowsChanged();
}

void CSysOutputManage::BeginUpdate()
{
    ++m_updateDepth;
}

void CSysOutputManage::EndUpdate()
{
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    const int appendFrom = m_pendingAppendFrom;
    const bool reset = m_pendingReset;
    const bool captions = m_pendingCaptions;
    m_pendingAppendFrom = -1;
    m_pendingReset = false;
    m_pendingCaptions = false;
    if (!m_view)
        return;
    if (reset)
        m_view->RowsReset(appendFrom >= 0);
    else if (appendFrom >= 0)
        m_view->RowsAppended(appendFrom, Count(m_shown) - 1);
    if (captions)
        m_view->TabCaptionsChanged();
}

void CSysOutputManage::RowsChanged()
{
    if (!m_view)
        return;
    if (m_updateDepth > 0) {
        m_pendingReset = true;
        return;
    }
    m_view->RowsReset(false);
}

void CSysOutputManage::SetView(CSysOutputViewBase* view)
{
    m_view = view;
    m_pendingAppendFrom = -1;
    m_pendingReset = false;
    m_pendingCaptions = false;
    if (!m_view)
        return;
    if (m_updateDepth > 0) {
        m_pendingReset = true;
        m_pendingCaptions = true;
        return;
    }
    m_view->RowsReset(false);
    m_view->TabCaptionsChanged();
}
