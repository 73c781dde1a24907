#include "model/TInitalizationManage.h"

#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QFileInfo>
#include <QSqlDatabase>

namespace {
QString OpenFileOf(const QString& connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        return {};
    const QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    return db.isOpen() ? db.databaseName() : QString();
}

bool SameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    return a == b || QFileInfo(a) == QFileInfo(b);
}
} // namespace

int ParseListIndex(const QString& valueList)
{
    if (!valueList.startsWith(QLatin1Char('I')))
        return -1;
    const QString digits = valueList.mid(1, 7);
    int i = 0;
    while (i < digits.size() && digits[i].isSpace())
        ++i;
    bool negative = false;
    if (i < digits.size() && (digits[i] == QLatin1Char('+') || digits[i] == QLatin1Char('-'))) {
        negative = digits[i] == QLatin1Char('-');
        ++i;
    }
    long value = 0;
    for (; i < digits.size() && digits[i] >= QLatin1Char('0') && digits[i] <= QLatin1Char('9'); ++i)
        value = value * 10 + (digits[i].unicode() - '0');
    return static_cast<int>(negative ? -value : value);
}

TInitalizationManage::TInitalizationManage() = default;

TInitalizationManage::~TInitalizationManage()
{
    Clear();
}

void TInitalizationManage::Load(CDbQuery& query)
{
    Clear();
    m_connectionName = query.ConnectionName();
    m_fileName = OpenFileOf(m_connectionName);
    const int count = CTool::OpenQuery(query, "select * from Initialization order by ID");
    // Reading on from a query that did not open would only find nothing or fail again.
    if (count < 0)
        return;
    for (int recno = 1; recno <= count; ++recno) {
        query.MoveTo(recno);
        auto row = std::make_unique<CInitalizationData>();
        row->I_Name = query.AsString("I_Name");
        row->I_NameType = query.AsString("I_NameType");
        row->I_Remark = query.AsString("I_Remark");
        row->I_ValueType = query.AsInt("I_ValueType");
        row->I_EditType = query.AsInt("I_EditType");
        row->I_Value = query.AsString("I_Value");
        row->I_ValueList = query.AsString("I_ValueList");
        row->I_MaxValue = query.AsString("I_MaxValue");
        row->I_MinValue = query.AsString("I_MinValue");
        row->ListIndex = ParseListIndex(row->I_ValueList);
        m_rows.push_back(std::move(row));
    }
}

void TInitalizationManage::Save()
{
    bool pending = false;
    for (const auto& row : m_rows)
        pending = pending || row->Changed;
    if (!pending || m_connectionName.isEmpty())
        return;

    CDbConnection privateConnection(m_connectionName + QStringLiteral("_InitializationSave"));
    CDbQuery query(m_connectionName);
    if (!SameFile(OpenFileOf(m_connectionName), m_fileName)) {
        try {
            privateConnection.Open(m_fileName);
        } catch (const Exception& e) {
            // The database the values belong to is gone; they cannot be kept anywhere else.
            if (CTool::Exists())
                CTool::Current().ShowMessage(e.Message());
            for (const auto& row : m_rows)
                row->Changed = false;
            return;
        }
        query.SetConnection(privateConnection);
    }
    for (const auto& row : m_rows) {
        if (!row->Changed)
            continue;
        CTool::ExecQuery(query, CSQLStatement(" update Initialization set I_Value = ? where I_Name = ? ",
                                              {row->I_Value, row->I_Name}));
        row->Changed = false;
    }
}

void TInitalizationManage::Clear()
{
    Save();
    m_rows.clear();
}

CInitalizationData* TInitalizationManage::Find(const QString& name) const
{
    for (const auto& row : m_rows)
        if (row->I_Name == name)
            return row.get();
    return nullptr;
}

QString TInitalizationManage::GetInitValue(const QString& name) const
{
    const CInitalizationData* row = Find(name);
    return row ? row->I_Value : QString();
}

void TInitalizationManage::SetValue(const QString& name, const QString& value)
{
    if (CInitalizationData* row = Find(name)) {
        row->I_Value = value;
        row->Changed = true;
    }
}

CInitalizationData* TInitalizationManage::GetItem(int position)
{
    if (position < 0 || position >= GetCount())
        return nullptr;
    return m_rows[static_cast<size_t>(position)].get();
}
