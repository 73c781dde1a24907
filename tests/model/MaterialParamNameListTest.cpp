#include "tests/model/ModelFixture.h"

#include "model/CMaterialParamNameList.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbQuery.h"

namespace {
class MaterialParamNames : public ModelFixture
{
protected:
    QString SysScalar(const QString& sql)
    {
        CDbQuery query(m_sysParam.ADOConnection2);
        OpenQueryGuarded(query, CSQLStatement(sql));
        return query.Field(0).toString();
    }
    CMaterialParamNameList m_names;
    TInitalizationManage m_defaults;
};
} // namespace

TEST_F(MaterialParamNames, NamesComeFromTheLibraryOfTheDataSet)
{
    m_names.SetDataSet(&m_sysParam.MaterialParamTable);
    const CNameIdList& walls = m_names.GetNameList(0);
    ASSERT_FALSE(walls.isEmpty());
    EXPECT_EQ(walls.size(), SysScalar("select count(*) from OutsideWall_Lib").toInt());
    EXPECT_EQ(m_names.GetNameById(0, 1), SysScalar("select Name from OutsideWall_Lib where ID = 1"));
    EXPECT_EQ(m_names.GetNameById(0, 999999), QString());
    EXPECT_EQ(m_names.GetScheduleNameById(10), QStringLiteral("全天运行"));
    // Kinds that name no table give an empty list without touching the database.
    EXPECT_TRUE(m_names.GetNameList(25).isEmpty());
    EXPECT_TRUE(m_names.GetNameList(-1).isEmpty());
    EXPECT_TRUE(Dialogs().Messages.isEmpty());
}

TEST_F(MaterialParamNames, ScheduleListIsKeptUntilCleared)
{
    m_names.SetDataSet(&m_project.MaterialParamTable);
    ASSERT_FALSE(m_names.GetScheduleList().isEmpty());
    m_project.ExecSQL("insert into Schedule (ID, Name) values (500, '新作息')");
    EXPECT_EQ(m_names.GetScheduleNameById(500), QString());
    m_names.ClearAll();
    EXPECT_EQ(m_names.GetScheduleNameById(500), QStringLiteral("新作息"));
}

TEST_F(MaterialParamNames, UsedNamesOnlyWhileAProjectIsOpen)
{
    m_project.ExecSQL(
        "insert into OutsideWall (ID, OutsideWallName) values (1, '墙A'), (2, '墙A'), (3, '墙B')");
    CDbQuery sysInit(m_sysParam.ADOConnection2);
    sysInit.SetSQL({"select * from Initialization order by ID"});
    m_defaults.Load(sysInit);

    m_names.SetDataSet(&m_sysParam.MaterialParamTable);
    m_names.LoadDistinctNames(9);
    EXPECT_TRUE(m_names.UsedNames().isEmpty());
    EXPECT_EQ(m_names.DefaultText(), m_defaults.GetInitValue("OutsideWallName"));
    EXPECT_FALSE(m_names.DefaultText().isEmpty());

    m_names.SetDataSet(&m_project.MaterialParamTable);
    m_names.LoadDistinctNames(9);
    QStringList used = m_names.UsedNames();
    used.sort();
    EXPECT_EQ(used, QStringList({"墙A", "墙B"}));
}
