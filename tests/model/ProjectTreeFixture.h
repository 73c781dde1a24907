#pragma once
#include "tests/model/ModelFixture.h"

#include "model/CElementManage.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeClipboard.h"
#include "model/CNodeData.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CRoomOccupationCache.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "model/CTreeViewObserverBase.h"
#include "model/TInitalizationManage.h"

#include <QStringList>
#include <set>

// The main window as the tree sees it: its tree view, the element types the design type shows, and
// a record of what the tree asked of it.
class FakeTreeHost : public CProjectTreeHostBase
{
public:
    CNodeTreeView* MainTreeView() override { return &View; }
    bool IsElementTypeUsed(int type) override { return HiddenTypes.count(type) == 0; }
    void HideOpenPage() override { ++PagesHidden; }
    void ReloadTreeView() override
    {
        ++Reloads;
        CTreeView2DB::Current().FillTreeView(View, nullptr, true);
    }
    void OpenWithShell(const QString& path) override { Opened << path; }

    CNodeTreeView View;
    std::set<int> HiddenTypes;
    int PagesHidden = 0;
    int Reloads = 0;
    QStringList Opened;
};

// Records what a widget would have to mirror, one line per call.
class RecordingObserver : public CTreeViewObserverBase
{
public:
    void ItemAdded(CTreeItem*) override { Events << QStringLiteral("added"); }
    void ItemRemoving(CTreeItem* item) override { Events << QStringLiteral("removing ") + item->Text(); }
    void ItemsCleared() override { Events << QStringLiteral("cleared"); }
    void ItemRenamed(CTreeItem* item) override { Events << QStringLiteral("renamed ") + item->Text(); }
    void ItemImageChanged(CTreeItem* item) override
    {
        Events << QStringLiteral("image %1 %2").arg(item->Text()).arg(item->ImageIndex());
    }
    void ItemExpanded(CTreeItem* item) override { Events << QStringLiteral("expanded ") + item->Text(); }
    void SelectionChanged(CTreeItem* item) override
    {
        Events << QStringLiteral("selected ") + (item ? item->Text() : QStringLiteral("-"));
    }

    QStringList Events;
};

// A copy of the blank project with the registry, the defaults and the material names loaded, the
// tree store with a fake host, and the clipboard.
class ProjectTreeFixture : public ModelFixture
{
protected:
    void SetUp() override;

    CNodeData& Root() { return m_store.Root(); }
    // A new child that must succeed.
    CNodeData* Make(CNodeData* parent, int type, const QString& name = QString());
    // The first field of the first row.
    int Int(const QString& sql);
    QStringList Column(const QString& sql) { return ProjectColumn(sql); }
    // Fills the main view from the tree, binding its items.
    void Show() { m_store.FillTreeView(m_host.View, nullptr, true); }
    // The item whose path of texts below the top item is given ("大楼1/楼层1").
    CTreeItem* ItemAt(const CNodeTreeView& view, const QString& path) const;
    // Texts of the item's children.
    static QStringList Texts(const CTreeItem* item);

    CElementManage m_registry;
    TInitalizationManage m_defaults;
    CMaterialParamNameList m_names;
    CRoomOccupationCache m_roomUses;
    FakeTreeHost m_host;
    CTreeView2DB m_store;
    CNodeClipboard m_clipboard;
};
