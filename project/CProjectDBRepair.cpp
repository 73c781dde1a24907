#include "project/CProjectDBRepair.h"

#include "model/CElementBase.h"
#include "model/CElementManage.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeData.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CTreeEdit.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CCutomProgres.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
constexpr int FirstType = 1;
constexpr int LastType = 29;

// The construction kinds: library kind code, kind word (the element table, and with "_Lib" the
// library table, with "Name" the construction-name column and default value) and element type.
struct SConstructionKind
{
    int Kind;
    const char* Word;
    int Type;
};
const SConstructionKind ConstructionKinds[] = {
    {0, "OutsideWall", 9},    {1, "InsideWall", 13},    {2, "Ceiling", 16},
    {3, "Floor", 21},         {4, "Roof", 17},          {5, "BlindStorey", 19},
    {6, "OutsideWindow", 10}, {7, "OutsideDoor", 11},   {8, "GlassCurtainWall", 12},
    {9, "GlassRoof", 20},     {10, "InsideWindow", 14}, {11, "InsideDoor", 15},
    {12, "SkyWindow", 18},    {13, "Ground", 22},       {14, "ProjectionFloor", 23},
    {15, "GapWall", 24},      {19, "BasementWall", 29},
};

QString TableOf(int type)
{
    return GetElementTableName(type);
}

QString DisplayName(int type)
{
    return CElementManage::Current().Info(type).Remark;
}

CDbQuery& CheckQuery()
{
    return TDM_Project::Current().Element;
}

CNodeData& Root()
{
    return CTreeView2DB::Current().Root();
}
} // namespace

CProjectDBRepair::CProjectDBRepair()
{
    const QFileInfo project(TDM_Project::Current().ProjectCon.FileName());
    m_logPath = project.absoluteDir().filePath(QStringLiteral("repairlog.txt"));
}

void CProjectDBRepair::Run()
{
    m_allCorrect = true;
    m_confirmed = false;
    QFile::remove(m_logPath);
    Log(QStringLiteral("工程有效性检测：%1").arg(TDM_Project::Current().ProjectCon.FileName()));
    CheckSurplusRows();
    CheckSharedElements();
    CheckMissingRows();
    CheckConstructions();
    if (m_allCorrect) {
        Log(QStringLiteral("数据正确。"));
        CTool::Current().ShowMessage(QStringLiteral("数据正确。"));
        return;
    }
    Log(QStringLiteral("处理完毕"));
    CTool::Current().ShowMessage(QStringLiteral("处理完毕"));
    if (CProjectTreeHostBase* host = CTreeView2DB::Current().Host())
        host->OpenWithShell(m_logPath);
}

int CProjectDBRepair::OpenCheck(const QString& waitText, const CSQLStatement& statement)
{
    CCutomProgres wait(waitText);
    OpenQueryGuarded(CheckQuery(), statement);
    return CheckQuery().RecordCount();
}

bool CProjectDBRepair::Confirm(const QString& question)
{
    m_allCorrect = false;
    if (!m_confirmed)
        m_confirmed = CTool::Current().ShowMessageBox(QStringLiteral("警告"), question, 9, 3,
                                                      QStringLiteral("是"), QStringLiteral("否")) == 6;
    if (!m_confirmed)
        Log(QStringLiteral("  未修复。"));
    return m_confirmed;
}

void CProjectDBRepair::Log(const QString& line)
{
    QFile file(m_logPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        file.write((line + '\n').toUtf8());
}

void CProjectDBRepair::Notify(const QString& message)
{
    Log(QStringLiteral("  ") + message);
    CTool::Current().ShowMessageBox(QStringLiteral("警告"), message, 6, 0);
}

bool CProjectDBRepair::InTree(int type, int elementId)
{
    return TDM_Project::Current().QueryInt({"select count(*) from tbl_tree where f_elementid = ? and "
                                            "(f_imageindex = ? or f_imageindex = ?)",
                                            {elementId, type, type + 30}}) > 0;
}

QList<std::pair<int, int>> CProjectDBRepair::Descendants(const QString& table, int id)
{
    if (m_children.isEmpty()) {
        for (int type = FirstType; type <= LastType; ++type) {
            OpenQueryGuarded(TDM_Project::Current().qryTemp,
                             {"select \"table\" from pragma_foreign_key_list(?) where \"from\" = 'parent_id'",
                              {TableOf(type)}});
            if (!TDM_Project::Current().qryTemp.Eof())
                m_children[TDM_Project::Current().qryTemp.Field(0).toString().toLower()].append(
                    {TableOf(type), type});
        }
    }
    QList<std::pair<int, int>> found;
    for (const SChildTable& child : m_children.value(table.toLower())) {
        CDbQuery rows(TDM_Project::Current().ProjectCon);
        OpenQueryGuarded(rows,
                         {QStringLiteral("select ID from %1 where parent_id = ?").arg(child.Table), {id}});
        for (; !rows.Eof(); rows.Next()) {
            const int childId = rows.Field(0).toInt();
            found.append({child.Type, childId});
            found << Descendants(child.Table, childId);
        }
    }
    return found;
}

void CProjectDBRepair::CheckSurplusRows()
{
    for (int type = FirstType; type <= LastType; ++type) {
        const QString table = TableOf(type);
        const int count = OpenCheck(
            QStringLiteral("正在检测%1类型是否有冗余数据").arg(DisplayName(type)),
            {QStringLiteral("select Name,ID from %1 where ID not in (select f_elementid from tbl_tree where "
                            "(f_imageindex = ? or f_imageindex = ?) and f_elementid is not null) order by ID")
                 .arg(table),
             {type, type + 30}});
        if (count == 0)
            continue;
        QList<std::pair<QString, int>> rows;
        for (CheckQuery().First(); !CheckQuery().Eof(); CheckQuery().Next())
            rows.append({CheckQuery().Field(0).toString(), CheckQuery().Field(1).toInt()});
        Log(QStringLiteral("%1：%2个元素不在目录树中").arg(DisplayName(type)).arg(count));
        for (const auto& [name, id] : rows)
            Log(QStringLiteral("  %1 (ID %2)").arg(name).arg(id));
        if (!Confirm(QStringLiteral("检测数据库中有冗余数据,是否让软件自动修复这些问题?")))
            continue;
        CCutomProgres wait(QStringLiteral("正在修复%1类型冗余数据问题").arg(DisplayName(type)));
        for (const auto& [name, id] : rows) {
            // Deleting a row takes every row below it along through the parent links.
            const QList<std::pair<int, int>> below = Descendants(table, id);
            const bool keep = std::any_of(below.begin(), below.end(), [this](const std::pair<int, int>& row) {
                return InTree(row.first, row.second);
            });
            if (keep) {
                Log(QStringLiteral("  保留 %1 (ID %2)：其下还有目录树中的元素").arg(name).arg(id));
                continue;
            }
            TDM_Project::Current().ExecSQL({QStringLiteral("delete from %1 where ID = ?").arg(table), {id}});
            Log(below.isEmpty() ? QStringLiteral("  已删除 %1 (ID %2)").arg(name).arg(id)
                                : QStringLiteral("  已删除 %1 (ID %2) 及其下%3个不在目录树中的元素")
                                      .arg(name)
                                      .arg(id)
                                      .arg(below.size()));
        }
    }
}

void CProjectDBRepair::CheckSharedElements()
{
    const int count =
        OpenCheck(QStringLiteral("正在检测是否有重复指向"),
                  {"select a.f_nodeid,a.f_elementid,a.f_imageindex from tbl_tree a,(select "
                   "f_elementid,f_imageindex from "
                   "tbl_tree group by f_elementid,f_imageindex having count(*) > 1) as b where a.f_elementid "
                   "= b.f_elementid "
                   "and a.f_imageindex = b.f_imageindex order by a.f_imageindex,a.f_elementid,a.f_nodeid"});
    if (count == 0)
        return;
    struct SRow
    {
        int NodeId;
        int ElementId;
        int ImageIndex;
    };
    QList<SRow> rows;
    for (CheckQuery().First(); !CheckQuery().Eof(); CheckQuery().Next())
        rows.append(
            {CheckQuery().Field(0).toInt(), CheckQuery().Field(1).toInt(), CheckQuery().Field(2).toInt()});
    Log(QStringLiteral("目录树中有%1个节点与其它节点指向同一个元素").arg(count));
    for (const SRow& row : rows)
        Log(QStringLiteral("  节点 %1：元素 %2，图标 %3")
                .arg(row.NodeId)
                .arg(row.ElementId)
                .arg(row.ImageIndex));
    if (!Confirm(QStringLiteral("目录树中有多个节点指向同一个元素的情况,是否让软件自动修复这些错误?")))
        return;
    std::pair<int, int> last{-1, -1};
    for (int i = 0; i < rows.size(); ++i) {
        const SRow& row = rows[i];
        CCutomProgres wait(QStringLiteral("正在修复重复指向问题[%1/%2]").arg(i + 1).arg(rows.size()));
        if (std::pair<int, int>{row.ImageIndex, row.ElementId} != last) {
            last = {row.ImageIndex, row.ElementId};
            continue;
        }
        CNodeData* node = Root().FindNodeById(row.NodeId);
        CElementBase* element = node ? node->LoadElement() : nullptr;
        if (!element)
            continue;
        const int oldId = element->ID;
        const int newId = CElementManage::Current().Info(node->Type()).NewElementId();
        CTreeEdit edit;
        element->ID = newId;
        CTreeEdit::OnUndo([element, oldId] { element->ID = oldId; });
        if (element->InsertRecord() != 1)
            continue;
        TDM_Project::Current().ExecSQL(
            {"update tbl_tree set f_elementid=? where f_nodeid=?", {newId, row.NodeId}});
        node->SetElementId(newId);
        CTreeEdit::OnUndo([node, oldId] { node->SetElementId(oldId); });
        edit.Commit();
        Log(QStringLiteral("  节点 %1 改为指向元素 %2 (元素 %3 的副本)")
                .arg(row.NodeId)
                .arg(newId)
                .arg(oldId));
    }
}

void CProjectDBRepair::CheckMissingRows()
{
    for (int type = FirstType; type <= LastType; ++type) {
        const QString table = TableOf(type);
        const int count = OpenCheck(
            QStringLiteral("正在检测%1类型是否有丢失的数据的问题").arg(DisplayName(type)),
            {QStringLiteral("select f_elementid,f_nodeid,f_caption from tbl_tree where (f_imageindex = ? or "
                            "f_imageindex = ?) and f_elementid not in (select ID from %1)")
                 .arg(table),
             {type, type + 30}});
        if (count == 0)
            continue;
        QList<std::tuple<int, int, QString>> rows;
        for (CheckQuery().First(); !CheckQuery().Eof(); CheckQuery().Next())
            rows.append({CheckQuery().Field(0).toInt(), CheckQuery().Field(1).toInt(),
                         CheckQuery().Field(2).toString()});
        Log(QStringLiteral("%1：%2个节点的元素数据丢失").arg(DisplayName(type)).arg(count));
        for (const auto& [elementId, nodeId, caption] : rows)
            Log(QStringLiteral("  节点 %1 %2：元素 %3").arg(nodeId).arg(caption).arg(elementId));
        if (!Confirm(
                QStringLiteral("检测数据库中存在丢失的数据[%1个],是否让软件自动修复这些问题?").arg(count)))
            continue;
        CCutomProgres wait(QStringLiteral("正在修复%1类型丢失的数据的问题").arg(DisplayName(type)));
        for (const auto& [elementId, nodeId, caption] : rows) {
            CNodeData* node = Root().FindNodeById(nodeId);
            if (!node)
                continue;
            std::unique_ptr<CElementBase> element = CElementManage::CreateElement(type);
            element->m_Query = &TDM_Project::Current().qryTemp;
            element->Node = node;
            if (!element->SetDefaults())
                continue;
            element->ID = elementId;
            element->Name = caption;
            if (element->InsertRecord() == 1) {
                node->ReleaseElements(false, true);
                Log(QStringLiteral("  已按缺省值重建 %1 (元素 %2)").arg(caption).arg(elementId));
            }
        }
    }
}

void CProjectDBRepair::CheckConstructions()
{
    for (const SConstructionKind& kind : ConstructionKinds) {
        const QString word = QString::fromUtf8(kind.Word);
        const QString library = word + QStringLiteral("_Lib");
        const int count =
            OpenCheck(QStringLiteral("正在检测%1类型材料使用问题").arg(word),
                      QStringLiteral("select ID from %1 a where material_id is null or material_id "
                                     "not in (select ID from %2) order by ID")
                          .arg(word, library));
        if (count == 0)
            continue;
        QList<int> ids;
        for (CheckQuery().First(); !CheckQuery().Eof(); CheckQuery().Next())
            ids << CheckQuery().Field(0).toInt();
        Log(QStringLiteral("%1：%2个元素的构造在工程材料库中不存在").arg(word).arg(count));
        for (int id : ids)
            Log(QStringLiteral("  元素 %1").arg(id));
        if (!Confirm(QStringLiteral("检测数据库中存在材料使用问题,是否让软件自动修复这些问题?")))
            continue;
        const QString defaultName = word + QStringLiteral("Name");
        const QString value = TInitalizationManage::Current().GetInitValue(defaultName);
        bool whole = false;
        const int defaultId = value.trimmed().toInt(&whole);
        if (!whole) {
            Notify(QStringLiteral("缺省值%1的值“%2”不是整数，%3类型的材料问题未修复。")
                       .arg(defaultName, value, word));
            continue;
        }
        const QString constructionName = CMaterialParamNameList::Current().GetNameById(kind.Kind, defaultId);
        if (TDM_Project::Current().QueryInt(
                {QStringLiteral("select count(*) from %1 where ID = ?").arg(library), {defaultId}}) == 0) {
            Notify(QStringLiteral("缺省值%1指向的构造(ID %2)在工程材料库中不存在，%3类型的材料问题未修复。")
                       .arg(defaultName)
                       .arg(defaultId)
                       .arg(word));
            continue;
        }
        for (int i = 0; i < ids.size(); ++i) {
            CCutomProgres wait(QStringLiteral("正在修复材料的使用问题[%1/%2]").arg(i + 1).arg(ids.size()));
            CNodeData* node = Root().FindNode(kind.Type, ids[i]);
            CElementBase* element = node ? node->LoadElement() : nullptr;
            if (!element)
                continue;
            element->SetAttribute(QStringLiteral("material_id"), QString::number(defaultId));
            element->SetAttribute(defaultName, constructionName);
            if (element->UpdateRecord() == 1)
                Log(QStringLiteral("  元素 %1 改用缺省构造 %2 (ID %3)")
                        .arg(ids[i])
                        .arg(constructionName)
                        .arg(defaultId));
        }
    }
}

void CheckAndRepairProjectDB()
{
    CProjectDBRepair repair;
    repair.Run();
}
