#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "upgrade/CVersionControl.h"
#include "upgrade/ProjectSchemaSteps.h"

#include <QRegularExpression>

#include <vector>

namespace {
// The whole number the text begins with (blanks, a sign, digits); 0 when it begins with none.
int LeadingInteger(const QString& text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = leading.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

struct SOldNode
{
    int Parent = -1;
    QString Caption;
    int ImageIndex = 0;
    int ElementId = 0;
    int Level = -1;
    int Index = 0;
};

QString BadParentMessage(int position, int parent)
{
    return QStringLiteral("工程的旧目录树(TreeData)中第%1个节点的父节点序号%2无效，无法转换目录树。")
        .arg(position + 1)
        .arg(parent);
}

// Depth of every node: 0 at the top, the parent's depth + 1 below. A parent may come later in the
// table than its child; a chain that does not end at the top is a damaged tree.
void AssignLevels(std::vector<SOldNode>& nodes)
{
    const int count = static_cast<int>(nodes.size());
    for (int i = 0; i < count; ++i) {
        std::vector<int> path;
        int node = i;
        while (node >= 0 && nodes[node].Level < 0) {
            if (static_cast<int>(path.size()) > count)
                throw Exception(BadParentMessage(i, nodes[i].Parent));
            path.push_back(node);
            node = nodes[node].Parent;
        }
        int level = node < 0 ? -1 : nodes[node].Level;
        for (auto it = path.rbegin(); it != path.rend(); ++it)
            nodes[*it].Level = ++level;
    }
}
} // namespace

namespace ProjectSchemaSteps {
void TreeConversion(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    ExecQueryGuarded(query,
                     "create table tbl_tree (f_level INTEGER,f_index INTEGER,f_nodeid INTEGER PRIMARY KEY,"
                     "f_parentid INTEGER,f_caption TEXT COLLATE NOCASE,f_imageindex INTEGER,"
                     "f_elementid INTEGER)");
    ExecQueryGuarded(query, {"update OutputOption set OutputOptionName = ? where ID = 310",
                             {QStringLiteral("负荷逐时数据")}});

    // Node ids are the rows' positions in NodeIndex order, so a child's parent id is its old
    // ParentIndex; siblings are numbered in reading order.
    OpenQueryGuarded(query,
                     "select ParentIndex,NodeName,ImageIndex,ElementID from TreeData order by NodeIndex");
    std::vector<SOldNode> nodes;
    nodes.reserve(query.RecordCount());
    for (query.First(); !query.Eof(); query.Next())
        nodes.push_back({query.Field(0).toInt(), query.Field(1).toString(), query.Field(2).toInt(),
                         LeadingInteger(query.Field(3).toString())});
    const int count = static_cast<int>(nodes.size());
    int topCount = 0;
    std::vector<int> childCounts(count, 0);
    for (int i = 0; i < count; ++i) {
        SOldNode& node = nodes[i];
        if (node.Parent == -1) {
            node.Index = topCount++;
        } else if (node.Parent < 0 || node.Parent >= count || node.Parent == i) {
            throw Exception(BadParentMessage(i, node.Parent));
        } else {
            node.Index = childCounts[node.Parent]++;
        }
    }
    AssignLevels(nodes);

    for (int i = 0; i < count; ++i) {
        const SOldNode& node = nodes[i];
        ExecQueryGuarded(
            query, {"insert into tbl_tree (f_level,f_index,f_nodeid,f_parentid,f_caption,f_imageindex,"
                    "f_elementid) values(?,?,?,?,?,?,?)",
                    {node.Level, node.Index, i, node.Parent, node.Caption, node.ImageIndex, node.ElementId}});
    }
    ExecQueryGuarded(query, "drop table TreeData");
}
} // namespace ProjectSchemaSteps
