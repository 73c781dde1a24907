#include "tests/model/ModelFixture.h"

#include <QFile>

ModelFixture::ModelFixture() : m_tool(std::make_unique<CFakeToolDialogs>()) {}

void ModelFixture::SetUp()
{
    ASSERT_TRUE(m_sysParam.DataModuleCreate());
    const QString project = m_folder.File("User/Test.VLZ");
    ASSERT_TRUE(QFile::copy(m_folder.File("Project/ProjectModule.dat"), project));
    m_project.ProjectCon.Open(project);
    // A throw-away copy: waiting for the disk after every committed edit only slows the tests.
    CDbQuery pragma(m_project.ProjectCon);
    pragma.SetSQL(CSQLStatement("PRAGMA synchronous = OFF"));
    pragma.ExecSQL();
}

QStringList ModelFixture::ProjectColumn(const QString& sql)
{
    QStringList values;
    CDbQuery query(m_project.ProjectCon);
    OpenQueryGuarded(query, CSQLStatement(sql));
    for (query.First(); !query.Eof(); query.Next())
        values << query.Field(0).toString();
    return values;
}
