#include "model/CElementBase.h"

#include "model/CEleAttrs.h"
#include "model/CElementManage.h"
#include "model/TDM_Project.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "upgrade/CSQLMaker.h"

namespace {
constexpr int kProjectType = 0;
constexpr int kFolderType = 30;
} // namespace

void SCoordinate::Exchange(CEleAttrs& attrs)
{
    EleAttrsExchangeDouble(attrs, QStringLiteral("X0"), X0);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Y0"), Y0);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Z0"), Z0);
    EleAttrsExchangeDouble(attrs, QStringLiteral("X"), X);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Y"), Y);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Z"), Z);
}

void SCoordinate::UpdateRecord(CDbQuery& query, const QString& tableName, const QString& condition) const
{
    CTool::ExecQuery(
        query, {QStringLiteral("update %1 set X0 = ? , Y0 = ? ,  Z0 = ? , X = ? , Y = ? , Z = ? where %2  ")
                    .arg(tableName, condition),
                {X0, Y0, Z0, X, Y, Z}});
}

CElementBase::CElementBase(int type) : m_type(type)
{
    if (TDM_Project::Exists())
        m_Query = &TDM_Project::Current().Element;
}

CElementBase::~CElementBase() = default;

void CElementBase::GetCoordinates(double&, double&, double&, double&, double&, double&) const {}

void CElementBase::ExchangeAttrs(CEleAttrs& attrs)
{
    if (m_type != kFolderType)
        EleAttrsExchangeString(attrs, QStringLiteral("Name"), Name);
    EleAttrsExchangeInt(attrs, QStringLiteral("Status"), Status);
}

QString CElementBase::NodePath() const
{
    return Node ? Node->NodePath() : Name;
}

void CElementBase::ExportColumns(CSQLMaker& maker)
{
    CEleAttrs attrs;
    ExchangeAttrs(attrs);
    EleAttrsExportToSQL(attrs, maker);
}

int CElementBase::InsertRecord()
{
    if (m_type == kProjectType)
        return 1;
    CSQLMaker maker(GetElementTableName(m_type));
    ExportColumns(maker);
    maker.AddIntField(QStringLiteral("ID"), ID);
    if (m_type != kFolderType)
        maker.AddIntField(QStringLiteral("parent_id"), Node ? Node->ParentElementId() : -1);
    if (TDM_Project::Current().ExecSQL(maker.MakeInsertSQL()) == 1)
        return 1;
    CTool::Current().ShowMessage(QStringLiteral("创建实体记录%1失败").arg(NodePath()));
    return 0;
}

int CElementBase::UpdateRecord()
{
    if (m_type == kProjectType)
        return 1;
    CSQLMaker maker(GetElementTableName(m_type));
    ExportColumns(maker);
    maker.AddIntCondition(QStringLiteral("ID"), ID);
    if (TDM_Project::Current().ExecSQL(maker.MakeUpdateSQL()) == 1)
        return 1;
    CTool::Current().ShowMessage(QStringLiteral("更新实体记录%1失败").arg(NodePath()));
    return 0;
}

int CElementBase::LoadFromDataSet(CDbQuery& dataSet)
{
    CEleAttrs attrs;
    attrs.mode = CEleAttrs::ReadDataSet;
    attrs.dataSet = &dataSet;
    ExchangeAttrs(attrs);
    return 1;
}

void CElementBase::CopyFrom(const CElementBase& source)
{
    m_type = source.m_type;
    CEleAttrs attrs;
    // ExchangeAttrs only reads the element in collect mode.
    const_cast<CElementBase&>(source).ExchangeAttrs(attrs);
    attrs.mode = CEleAttrs::WriteBack;
    ExchangeAttrs(attrs);
}

void CElementBase::SetAttribute(const QString& name, const QString& value)
{
    CEleAttrs attrs(name);
    attrs.SetAttrString(name, value);
    attrs.mode = CEleAttrs::WriteBack;
    ExchangeAttrs(attrs);
}

QString CElementBase::GetAttribute(const QString& name) const
{
    CEleAttrs attrs(name);
    const_cast<CElementBase*>(this)->ExchangeAttrs(attrs);
    const CEleAttr* attr = attrs.GetAttr(name, false);
    return attr ? attr->Value : QString();
}

int CElementBase::GetRoomHeatingTemperature(int roomId, double& temperature)
{
    temperature = 0;
    if (roomId <= 0 || !m_Query)
        return 0;
    OpenQueryGuarded(*m_Query,
                     {QStringLiteral("select WinterHeatingTemperature from Room where ID=?"), {roomId}});
    if (m_Query->RecordCount() == 0)
        return 0;
    m_Query->First();
    temperature = m_Query->Field(0).toDouble();
    return 1;
}

bool CElementBase::GetRoomName(int roomId, QString& name)
{
    name.clear();
    if (roomId <= 0 || !m_Query)
        return false;
    OpenQueryGuarded(*m_Query, {QStringLiteral("select Name from Room where ID=?"), {roomId}});
    if (m_Query->RecordCount() == 0)
        return false;
    m_Query->First();
    name = m_Query->Field(0).toString();
    return true;
}

bool CElementBase::GetRoomAndStoreyName(int roomId, QString& roomName, QString& storeyName)
{
    roomName.clear();
    storeyName.clear();
    if (roomId <= 0 || !m_Query)
        return false;
    OpenQueryGuarded(*m_Query,
                     {QStringLiteral("select a.Name as StoreyName,b.Name as RoomName from Storey as a,"
                                     "(select parent_id,Name from Room where ID=?)as b "
                                     "where b.parent_id=a.ID "),
                      {roomId}});
    if (m_Query->RecordCount() == 0)
        return false;
    m_Query->First();
    roomName = m_Query->AsString(QStringLiteral("RoomName"));
    storeyName = m_Query->AsString(QStringLiteral("StoreyName"));
    return true;
}
