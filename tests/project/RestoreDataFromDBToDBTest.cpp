#include "climate/CScheduleData.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "project/CRestoreDataFromDBToDB.h"
#include "tests/support/CFakeToolDialogs.h"
#include "tests/support/CTestProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class RestoreDataFromDBToDB : public ::testing::Test
{
protected:
    RestoreDataFromDBToDB() : m_tool(std::make_unique<CFakeToolDialogs>()) {}

    CFakeToolDialogs& Dialogs() { return static_cast<CFakeToolDialogs&>(m_tool.Dialogs()); }

    // A database made from the statements.
    QString MakeDatabase(const QString& name, const QStringList& statements)
    {
        const QString path = m_folder.File(QStringLiteral("User/") + name);
        CDbConnection connection(QStringLiteral("make_") + name);
        connection.Open(path, true);
        CDbQuery query(connection);
        for (const QString& statement : statements) {
            query.SetSQL(CSQLStatement(statement));
            query.ExecSQL();
        }
        return path;
    }
    QString CopyOfBlankProject(const QString& name)
    {
        const QString path = m_folder.File(QStringLiteral("User/") + name);
        EXPECT_TRUE(QFile::copy(m_folder.File(QStringLiteral("Project/ProjectModule.dat")), path));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    // The rows of a select, each as its values joined with "|".
    static QStringList Rows(const QString& path, const QString& sql)
    {
        CDbConnection connection(QStringLiteral("rows"));
        connection.Open(path);
        CDbQuery query(connection);
        OpenQueryGuarded(query, CSQLStatement(sql));
        QStringList rows;
        for (query.First(); !query.Eof(); query.Next()) {
            QStringList values;
            for (int i = 0; i < query.FieldCount(); ++i)
                values << (query.Field(i).isNull() ? QStringLiteral("null") : query.Field(i).toString());
            rows << values.join(QLatin1Char('|'));
        }
        return rows;
    }

    CTestProgramFolder m_folder;
    CTool m_tool;
};

const QStringList kSource = {
    "create table T (ID integer primary key, Name text, A real, Data blob, OnlySource text)",
    "insert into T values (1, 'Alpha', 1.5, x'00ff10', 's')",
    "insert into T values (7, 'beta', 2, null, 's')",
};
const QStringList kDestination = {
    "create table T (ID integer primary key, Name text, A real, Data blob, OnlyDestination text default 'd')",
    "insert into T values (3, 'ALPHA', 0, null, 'keep')",
    "insert into T values (9, 'gamma', 5, null, 'keep')",
};

TEST_F(RestoreDataFromDBToDB, CopyTableMergesRowsByKeyWithoutRegardToCase)
{
    const QString source = MakeDatabase(QStringLiteral("source.db"), kSource);
    const QString destination = MakeDatabase(QStringLiteral("destination.db"), kDestination);
    CRestoreDataFromDBToDB copier;
    copier.SourcePath = source;
    copier.DestinationPath = destination;
    copier.TableName = QStringLiteral("T");
    copier.KeyField = QStringLiteral("Name");
    copier.ProgressTitle = QStringLiteral("正在复制");
    copier.CopyTable();

    // The located row keeps its own key's letter case and the column the source lacks; with a key
    // other than "ID" the ID is copied like any column, and the new row gets the destination's
    // default for the column the source lacks.
    EXPECT_EQ(Rows(destination,
                   QStringLiteral("select ID, Name, A, hex(Data), OnlyDestination from T order by ID")),
              (QStringList{"1|ALPHA|1.5|00FF10|keep", "7|beta|2||d", "9|gamma|5||keep"}));
    EXPECT_EQ(Dialogs().ProgressTitles, QStringList{"正在复制"});
    EXPECT_EQ(Dialogs().ProgressSteps, 2);
    EXPECT_EQ(Dialogs().OpenProgress, 0);

    // An empty source posts nothing and still closes its progress window.
    MakeDatabase(QStringLiteral("source.db"), {"delete from T"});
    copier.CopyTable();
    EXPECT_EQ(Rows(destination, QStringLiteral("select count(*) from T")), QStringList{"3"});
    EXPECT_EQ(Dialogs().OpenProgress, 0);
}

TEST_F(RestoreDataFromDBToDB, CopyRecordCopiesTheRowOfTheIdOrTheFirstRowInstead)
{
    const struct
    {
        const char* value;
        const char* result;
        const char* copiedName;
    } cases[] = {
        {"7", "", "beta"},        // the row of that ID
        {"42", "Alpha", "ALPHA"}, // no such ID: the first row, whose key is returned
        {"beta", "", "beta"},     // not an integer: chosen by the key field
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const QString source = MakeDatabase(QStringLiteral("source.db"), kSource);
        QFile::remove(m_folder.File(QStringLiteral("User/destination.db")));
        const QString destination = MakeDatabase(QStringLiteral("destination.db"), kDestination);
        CRestoreDataFromDBToDB copier;
        copier.SourcePath = source;
        copier.DestinationPath = destination;
        copier.TableName = QStringLiteral("T");
        copier.OpenConnections();
        EXPECT_EQ(copier.CopyRecord(QStringLiteral("Name"), QString::fromUtf8(c.value)),
                  QString::fromUtf8(c.result));
        // The ID is never written: an appended row gets the destination's next one.
        const QStringList copied = Rows(
            destination,
            QStringLiteral("select ID, A from T where Name = '%1'").arg(QString::fromUtf8(c.copiedName)));
        ASSERT_EQ(copied.size(), 1);
        EXPECT_EQ(copied[0], QString::fromUtf8(c.copiedName) == QStringLiteral("beta") ? "10|2" : "3|1.5");
        QFile::remove(source);
    }

    const QString empty = MakeDatabase(QStringLiteral("empty.db"), {kSource[0]});
    const QString destination = m_folder.File(QStringLiteral("User/destination.db"));
    CRestoreDataFromDBToDB copier;
    copier.SourcePath = empty;
    copier.DestinationPath = destination;
    copier.TableName = QStringLiteral("T");
    copier.OpenConnections();
    EXPECT_EQ(copier.CopyRecord(QStringLiteral("Name"), QStringLiteral("1")), QString());
    EXPECT_EQ(Rows(destination, QStringLiteral("select count(*) from T")), QStringList{"3"});
}

TEST_F(RestoreDataFromDBToDB, CopyScheduleCopiesSchedulesByNameWithTheirDaySchedulesOnce)
{
    const QString source = CopyOfBlankProject(QStringLiteral("source.VLZ"));
    const QString destination = CopyOfBlankProject(QStringLiteral("destination.VLZ"));
    const QString name = QStringLiteral("Bob's 时间表");
    {
        CDbConnection connection(QStringLiteral("prepare"));
        connection.Open(source);
        CDbQuery query(connection);
        query.SetSQL(
            CSQLStatement("insert into DaySchedule (DayScheduleName, Value_0) values ('测试日', 0.25)"));
        query.ExecSQL();
        CScheduleData schedule;
        schedule.DataSet = &query;
        schedule.Name = name;
        schedule.ScheduleType = 1;
        for (auto& month : schedule.DayNames)
            month.fill(QStringLiteral("测试日"));
        ASSERT_TRUE(schedule.Insert());
    }
    const QString weekRows = QStringLiteral("select count(*) from WeekSchedule");
    const QStringList weeksBefore = Rows(destination, weekRows);

    CRestoreDataFromDBToDB copier;
    copier.SourcePath = source;
    copier.DestinationPath = destination;
    copier.OpenConnections();
    copier.CopySchedule({name, QStringLiteral("没有的时间表")});
    EXPECT_EQ(Dialogs().ProgressSteps, 2); // the missing name steps too

    const QString scheduleRow =
        QStringLiteral("select ID, Name, ScheduleType from Schedule where Name = 'Bob''s 时间表'");
    const QStringList inserted = Rows(destination, scheduleRow);
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(Rows(destination, weekRows), QStringList{QString::number(weeksBefore[0].toInt() + 12)});
    EXPECT_EQ(
        Rows(destination, QStringLiteral("select Value_0 from DaySchedule where DayScheduleName = '测试日'")),
        QStringList{"0.25"}); // named 120 times, copied once
    EXPECT_EQ(copier.TableName, QStringLiteral("DaySchedule"));

    // Copied again with other day names: the schedule keeps its ID and week rows.
    {
        CDbConnection connection(QStringLiteral("change"));
        connection.Open(source);
        CDbQuery query(connection);
        CScheduleData schedule;
        schedule.DataSet = &query;
        ASSERT_TRUE(schedule.LoadByName(name));
        OpenQueryGuarded(query, CSQLStatement("select * from WeekSchedule "));
        schedule.LoadWeekSchedules();
        schedule.ScheduleType = 0;
        schedule.DayNames[6][3] = QStringLiteral("第二日");
        query.SetSQL(
            CSQLStatement("insert into DaySchedule (DayScheduleName, Value_0) values ('第二日', 1)"));
        query.ExecSQL();
        ASSERT_TRUE(schedule.Save(QString::number(schedule.ID)));
    }
    copier.CopySchedule({name});
    const QStringList updated = Rows(destination, scheduleRow);
    ASSERT_EQ(updated.size(), 1);
    EXPECT_EQ(updated[0].section('|', 0, 1), inserted[0].section('|', 0, 1));
    EXPECT_EQ(updated[0].section('|', 2), QStringLiteral("0"));
    EXPECT_EQ(Rows(destination, weekRows), QStringList{QString::number(weeksBefore[0].toInt() + 12)});
    EXPECT_EQ(Rows(destination,
                   QStringLiteral("select count(*) from DaySchedule where DayScheduleName = '第二日'")),
              QStringList{"1"});
}

} // namespace
