#include "app/controls/CNodeSearch.h"

#include "model/CNodeData.h"
#include "model/CTreeItem.h"

#include <QStringList>

bool CNodeSearch::IsHit(const CTreeItem* item) const
{
    if (!item->Text().contains(m_options.Pattern, Qt::CaseSensitive))
        return false;
    const bool typeMatches = m_options.Type == 0 || item->Type() == m_options.Type;
    return typeMatches && (m_options.IncludeIdle || item->IsActive());
}

bool CNodeSearch::SearchNode(CTreeItem* item, const QString& prefix)
{
    if (!item)
        return false;
    const QString path = prefix.isEmpty() ? item->Text() : prefix + QLatin1Char('~') + item->Text();
    if (!m_options.Pattern.isEmpty() && IsHit(item)) {
        m_hits.push_back({item, item->Node() ? item->Node()->NodeId() : 0, path});
        if (m_options.StopAtFirst)
            return true;
    }
    for (int i = 0; i < item->Count(); ++i) {
        if (SearchNode(item->Item(i), path))
            return true;
    }
    return false;
}

QString CNodeSearch::AncestorPrefix(const CTreeItem* item)
{
    QStringList captions;
    for (const CTreeItem* parent = item ? item->Parent() : nullptr; parent; parent = parent->Parent())
        captions.prepend(parent->Text());
    return captions.join(QLatin1Char('~'));
}
