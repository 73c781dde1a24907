#include "plugin/CPlugHostFunctions.h"

#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/CRunTimeMgr.h"
#include "calc/CScopedResult.h"
#include "calc/ResultByType.h"
#include "calc/RunTimeSys.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CElementManage.h"
#include "model/CNodeData.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/CSQLStatement.h"
#include "platform/core/CTool.h"
#include "platform/plugin/MiddleDll.h"
#include "plugin/CNodeResultBlocks.h"
#include "plugin/CPlug.h"
#include "plugin/CPlugManage.h"
#include "project/CSystemGlobalData.h"

#include <QQueue>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>

namespace {
// Runs the body; an exception becomes a warning line and the fallback, so that nothing unwinds
// into the plug-in's C code.
template <typename R, typename F> R Guarded(const char* function, R fallback, F body)
{
    try {
        return body();
    } catch (const std::exception& e) {
        CCalculateHostBase::PostOutputLine(
            0, QStringLiteral("插件数据接口%1失败：%2").arg(QLatin1String(function), QString::fromUtf8(e.what())));
    } catch (...) {
        CCalculateHostBase::PostOutputLine(
            0, QStringLiteral("插件数据接口%1失败").arg(QLatin1String(function)));
    }
    return fallback;
}

CNodeTreeView* MainView()
{
    if (!CTreeView2DB::Exists())
        return nullptr;
    CProjectTreeHostBase* host = CTreeView2DB::Current().Host();
    return host ? host->MainTreeView() : nullptr;
}

// Breadth-first from the first top-level item, as the tree shows the nodes.
CTreeItem* FindTreeNode(int nodeId)
{
    CNodeTreeView* view = MainView();
    if (!view)
        return nullptr;
    QQueue<CTreeItem*> queue;
    for (int i = 0; i < view->TopCount(); ++i)
        queue.enqueue(view->TopItem(i));
    while (!queue.isEmpty()) {
        CTreeItem* item = queue.dequeue();
        if (item->Node() && item->Node()->NodeId() == nodeId)
            return item;
        for (int i = 0; i < item->Count(); ++i)
            queue.enqueue(item->Item(i));
    }
    return nullptr;
}

CNodeData* FindNode(int nodeId)
{
    return CTreeView2DB::Exists() ? CTreeView2DB::Current().Root().FindNodeById(nodeId) : nullptr;
}

const CCurRunSolInfo* SchemeSelection()
{
    if (!CSystemGlobalData::Exists())
        return nullptr;
    const CCurRunSolInfo& info = CSystemGlobalData::Current().CurRunSolInfo;
    return info.Mode == 1 ? &info : nullptr;
}

const RunTimeSys* ChosenScheme(const CCurRunSolInfo& info)
{
    return CRunTimeMgr::Exists() ? CRunTimeMgr::Current().GetScheme(info.SchemeName) : nullptr;
}

// The shared query of the project module, on the project connection.
CDbQuery& ProjectQuery()
{
    TDM_Project& dm = TDM_Project::Current();
    dm.ADOQuery1.SetConnection(dm.ProjectCon);
    return dm.ADOQuery1;
}

// The column's value as the plug-ins read it: byte columns (the hourly weather) give no text.
QString ValueText(const QVariant& value)
{
    if (value.isNull() || value.typeId() == QMetaType::QByteArray)
        return QString();
    return value.toString();
}

// Fills the name/value list from the first record of the statement; false without one.
bool FillRecordList(const CSQLStatement& statement, char* nameSlots, char* valueSlots)
{
    CDbQuery& query = ProjectQuery();
    if (CTool::OpenQuery(query, statement) <= 0 || !nameSlots || !valueSlots)
        return false;
    query.First();
    const int columns = query.FieldCount();
    for (int c = 0; c < columns; ++c) {
        CPlugHostFunctions::CopyText(query.FieldNames().at(c), nameSlots + c * DIDIVOV_SLOT_BYTES,
                                     DIDIVOV_SLOT_BYTES);
        CPlugHostFunctions::CopyText(ValueText(query.Field(c)), valueSlots + c * DIDIVOV_SLOT_BYTES,
                                     DIDIVOV_SLOT_BYTES);
    }
    nameSlots[columns * DIDIVOV_SLOT_BYTES] = '\0';
    valueSlots[columns * DIDIVOV_SLOT_BYTES] = '\0';
    return true;
}

bool IsEnvelopeType(int type)
{
    return type >= 9 && type <= 24;
}

char s_selectedCaption[DIDIVOV_SLOT_BYTES];
char s_nodeCaption[DIDIVOV_SLOT_BYTES];
char s_plugPath[DIDIVOV_PLUGPATH_BYTES];
char s_runPlanCaption[DIDIVOV_RUNPLAN_BYTES];

const char* IntoBuffer(char* buffer, int capacity, const QString& text)
{
    CPlugHostFunctions::CopyText(text, buffer, capacity);
    return buffer;
}

// The calculation of GetNodeResults uses the buffers and progress window of the command that runs
// the plug-in; a caller without them (the book tool) gets its own for the call.
class CRunObjects
{
public:
    CRunObjects()
    {
        if (!CCurrent<CNodeDataBuffer>::Exists())
            m_nodes.emplace();
        if (!CCalResultBuffer::Exists())
            m_results.emplace();
        if (!CCalMsgOutput::Exists())
            m_progress = std::make_unique<CCalMsgOutput>(QStringLiteral("负荷计算"), nullptr);
    }

private:
    std::optional<CNodeDataBuffer> m_nodes;
    std::optional<CCalResultBuffer> m_results;
    std::unique_ptr<CCalMsgOutput> m_progress;
};
} // namespace

void CPlugHostFunctions::CopyText(const QString& text, char* dest, int capacity)
{
    if (!dest || capacity < 1)
        return;
    const QByteArray bytes = CGbkCodec::ToGbk(text);
    int length = 0;
    while (length < bytes.size()) {
        // A GBK lead byte (0x81..0xFE) starts a two-byte character.
        const int width = static_cast<unsigned char>(bytes[length]) >= 0x81 ? 2 : 1;
        if (length + width > capacity - 1 || length + width > bytes.size())
            break;
        length += width;
    }
    std::memcpy(dest, bytes.constData(), static_cast<size_t>(length));
    dest[length] = '\0';
}

void CPlugHostFunctions::Register()
{
    SetFunction(&GetChildNodes, &GetNodeResults, &GetWeatherParameters, &GetElementRecord, &GetProjectParameters,
                &GetCurrentNodeId, &GetNodeElementId, &GetNodeImageIndex, &GetHourlyWeather, &GetSelectedNodeCaption,
                &GetLibraryRecord, &GetElementMaterialId);
    SetFunction_V2(&GetParentNodeId, &GetNodeCaption, &GetPlugPath);
    SetFunction_V3(&GetRunPlanCaption, &GetRunTimeFlag, &IsInRunTimeSystem);
}

int CPlugHostFunctions::GetChildNodes(int parentNodeId, int* childIds, char* captionSlots, int capacity)
{
    return Guarded("GetChildNodes", 0, [&] {
        CDbQuery& query = ProjectQuery();
        const int count = CTool::OpenQuery(
            query, CSQLStatement("select f_nodeid,f_caption from tbl_tree where f_parentid = ?", {parentNodeId}));
        if (count <= 0)
            return 0;
        int i = 0;
        for (query.First(); !query.Eof() && i < capacity; query.Next(), ++i) {
            if (childIds)
                childIds[i] = query.AsInt(QStringLiteral("f_nodeid"));
            if (captionSlots)
                CopyText(query.AsString(QStringLiteral("f_caption")), captionSlots + i * DIDIVOV_SLOT_BYTES,
                         DIDIVOV_SLOT_BYTES);
        }
        return count;
    });
}

bool CPlugHostFunctions::GetNodeResults(int nodeId, float* results)
{
    return Guarded("GetNodeResults", false, [&] {
        CTreeItem* item = FindTreeNode(nodeId);
        if (!item) {
            CTool::Current().ShowMessage(QStringLiteral("该节点不存在"));
            return false;
        }
        const int designType = CurrentDesignType();
        if (designType < 0 || designType > 8)
            return true;
        CRunObjects run;
        CScopedResult total(designType);
        bool done = false;
        {
            // The manager hands its records back to the result pool, so it goes first.
            CCalculate_Manager manager;
            done = manager.Calculate(item, total.Get()) != -1;
        }
        if (!done)
            return false;
        CNodeResultBlocks::Write(designType, total.Get(), results);
        return true;
    });
}

bool CPlugHostFunctions::GetWeatherParameters(char* nameSlots, char* valueSlots)
{
    return Guarded("GetWeatherParameters", false,
                   [&] { return FillRecordList(CSQLStatement("select * from WeatherParameter"), nameSlots, valueSlots); });
}

bool CPlugHostFunctions::GetElementRecord(int elementType, int elementId, char* nameSlots, char* valueSlots)
{
    return Guarded("GetElementRecord", false, [&] {
        const QString table = GetElementTableName(elementType);
        if (table.isEmpty())
            return false;
        return FillRecordList(CSQLStatement(QStringLiteral("select * from %1 where ID = ?").arg(table), {elementId}),
                              nameSlots, valueSlots);
    });
}

bool CPlugHostFunctions::GetProjectParameters(char* nameSlots, char* valueSlots)
{
    return Guarded("GetProjectParameters", false,
                   [&] { return FillRecordList(CSQLStatement("select * from ProjectParameter"), nameSlots, valueSlots); });
}

int CPlugHostFunctions::GetCurrentNodeId()
{
    return Guarded("GetCurrentNodeId", -1, [] {
        if (SchemeSelection())
            return CTreeView2DB::Current().Root().NodeId();
        CNodeTreeView* view = MainView();
        CTreeItem* selected = view ? view->Selected() : nullptr;
        return selected && selected->Node() ? selected->Node()->NodeId() : -1;
    });
}

int CPlugHostFunctions::GetNodeElementId(int nodeId)
{
    return Guarded("GetNodeElementId", -1, [&] {
        CNodeData* node = FindNode(nodeId);
        return node ? node->GetElementId() : -1;
    });
}

int CPlugHostFunctions::GetNodeImageIndex(int nodeId)
{
    return Guarded("GetNodeImageIndex", -1, [&] {
        CDbQuery& query = ProjectQuery();
        if (CTool::OpenQuery(query, CSQLStatement("select f_imageindex from tbl_tree where f_nodeid = ?", {nodeId})) <= 0)
            return -1;
        query.First();
        return query.AsInt(QStringLiteral("f_imageindex"));
    });
}

bool CPlugHostFunctions::GetHourlyWeather(double* dryBulb, double* wetBulb, double* solar, double* dailySolar)
{
    return Guarded("GetHourlyWeather", true, [&] {
        CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
        weather.Load8760hData();
        double* series[4] = {dryBulb, wetBulb, solar, dailySolar};
        for (int i = 0; i < 8760; ++i)
            for (int s = 0; s < 4; ++s)
                if (series[s])
                    series[s][i] = weather.HourlyData[i][3 + s];
        return true;
    });
}

const char* CPlugHostFunctions::GetSelectedNodeCaption()
{
    return Guarded("GetSelectedNodeCaption", static_cast<const char*>(""), [] {
        CNodeTreeView* view = MainView();
        CTreeItem* selected = view ? view->Selected() : nullptr;
        return IntoBuffer(s_selectedCaption, DIDIVOV_SLOT_BYTES, selected ? selected->Text() : QString());
    });
}

bool CPlugHostFunctions::GetLibraryRecord(int libraryId, int elementType, char* nameSlots, char* valueSlots)
{
    if (!IsEnvelopeType(elementType))
        return false;
    return Guarded("GetLibraryRecord", false, [&] {
        const QString table = GetElementTableName(elementType) + QStringLiteral("_Lib");
        return FillRecordList(CSQLStatement(QStringLiteral("select * from %1 where ID = ?").arg(table), {libraryId}),
                              nameSlots, valueSlots);
    });
}

int CPlugHostFunctions::GetElementMaterialId(int elementId, int elementType)
{
    if (!IsEnvelopeType(elementType))
        return 0;
    return Guarded("GetElementMaterialId", 0, [&] {
        CDbQuery& query = ProjectQuery();
        const QString table = GetElementTableName(elementType);
        if (CTool::OpenQuery(query, CSQLStatement(QStringLiteral("select material_id from %1 where ID = ?").arg(table),
                                                  {elementId})) <= 0)
            return 0;
        query.First();
        return query.AsInt(QStringLiteral("material_id"));
    });
}

int CPlugHostFunctions::GetParentNodeId(int nodeId)
{
    return Guarded("GetParentNodeId", -1, [&] {
        CTreeItem* item = FindTreeNode(nodeId);
        CTreeItem* parent = item ? item->Parent() : nullptr;
        return parent && parent->Node() ? parent->Node()->NodeId() : -1;
    });
}

const char* CPlugHostFunctions::GetNodeCaption(int nodeId)
{
    return Guarded("GetNodeCaption", static_cast<const char*>(""), [&] {
        CTreeItem* item = FindTreeNode(nodeId);
        return IntoBuffer(s_nodeCaption, DIDIVOV_SLOT_BYTES, item ? item->Text() : QString());
    });
}

const char* CPlugHostFunctions::GetPlugPath(int plugId, int kind)
{
    return Guarded("GetPlugPath", static_cast<const char*>(""), [&] {
        CPlug* plug = CPlugManage::Exists() ? CPlugManage::Current().Get(plugId) : nullptr;
        QString text;
        if (plug && kind == 0)
            text = plug->PlugFolder();
        else if (plug && kind == 1)
            text = plug->PlugConfigPath();
        else if (plug && kind == 2)
            text = QString::number(CPlugManage::Current().OutputDialogFlag);
        return IntoBuffer(s_plugPath, DIDIVOV_PLUGPATH_BYTES, text);
    });
}

const char* CPlugHostFunctions::GetRunPlanCaption(int nodeId)
{
    return Guarded("GetRunPlanCaption", static_cast<const char*>(""), [&] {
        QString text;
        if (const CCurRunSolInfo* scheme = SchemeSelection()) {
            text = QStringLiteral("运行方案：") + scheme->SchemeName;
        } else if (CNodeData* node = FindNode(nodeId)) {
            // The path below the project: the project's caption and its separator left out whole,
            // whatever the length of that caption.
            const QString path = node->GetFullPath(QStringLiteral("/"));
            const int cut = path.indexOf(QLatin1Char('/'));
            text = cut < 0 ? QString() : path.mid(cut + 1);
        }
        return IntoBuffer(s_runPlanCaption, DIDIVOV_RUNPLAN_BYTES, text);
    });
}

bool CPlugHostFunctions::GetRunTimeFlag(int day, int hour)
{
    return Guarded("GetRunTimeFlag", false, [&] {
        const CCurRunSolInfo* info = SchemeSelection();
        if (!info)
            return true;
        const RunTimeSys* scheme = ChosenScheme(*info);
        if (!scheme || day < 0 || day >= RunTimeSys::Days || hour < -1 || hour >= RunTimeSys::Hours)
            return false;
        if (hour >= 0)
            return scheme->HourFlags[static_cast<size_t>(day * 24 + hour)] == 1;
        for (int h = 0; h < 24; ++h)
            if (scheme->HourFlags[static_cast<size_t>(day * 24 + h)] == 1)
                return true;
        return false;
    });
}

bool CPlugHostFunctions::IsInRunTimeSystem(int roomNodeId)
{
    return Guarded("IsInRunTimeSystem", false, [&] {
        const CCurRunSolInfo* info = SchemeSelection();
        if (!info)
            return true;
        const RunTimeSys* scheme = ChosenScheme(*info);
        return scheme && scheme->RoomIds.contains(roomNodeId);
    });
}
