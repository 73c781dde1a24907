#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "tests/support/CTestProgramFolder.h"
#include "tests/upgrade/COldSchema.h"
#include "tests/upgrade/CSampleProjectFile.h"
#include "tests/upgrade/CSchemaSnapshot.h"
#include "upgrade/ProjectDatabaseUpgrade.h"
#include "upgrade/SystemDatabaseUpgrade.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
// The lines of one list missing from the other, for a readable failure; the order of rows does not
// count.
std::string Difference(const QStringList& actual, const QStringList& expected)
{
    QStringList lines;
    for (const QString& line : actual)
        if (!expected.contains(line))
            lines << QStringLiteral("+ ") + line;
    for (const QString& line : expected)
        if (!actual.contains(line))
            lines << QStringLiteral("- ") + line;
    QStringList sortedActual = actual;
    QStringList sortedExpected = expected;
    sortedActual.sort();
    sortedExpected.sort();
    if (lines.isEmpty() && sortedActual != sortedExpected)
        lines << QStringLiteral("(the same rows, some more often)");
    return lines.join('\n').toStdString();
}

// The upgraded database has the tables of the expected one, column by column, and the same rows:
// every row of the seed tables, and of the other tables the values of the columns the old database
// had, with the keys and links.
void ExpectSameDatabase(CDbConnection& upgraded, CDbConnection& expected,
                        const QMap<QString, QStringList>& oldColumns, const QStringList& seedTables)
{
    const QMap<QString, QString> tables = CSchemaSnapshot::Tables(upgraded);
    const QMap<QString, QString> expectedTables = CSchemaSnapshot::Tables(expected);
    EXPECT_EQ(tables.keys(), expectedTables.keys());
    for (auto it = expectedTables.begin(); it != expectedTables.end(); ++it)
        EXPECT_EQ(Difference(tables.value(it.key()).split('\n'), it.value().split('\n')), "")
            << it.key().toStdString();

    const QMap<QString, QStringList> columns = CSchemaSnapshot::Columns(expected);
    for (auto it = columns.begin(); it != columns.end(); ++it) {
        QStringList compared = it.value();
        compared.removeAll(QStringLiteral("Old_ID"));
        if (oldColumns.contains(it.key()) && !seedTables.contains(it.key())) {
            compared.removeIf([&](const QString& column) {
                return !oldColumns[it.key()].contains(column, Qt::CaseInsensitive) &&
                       !QStringList{"ID", "parent_id", "material_id"}.contains(column);
            });
        }
        EXPECT_EQ(Difference(CSchemaSnapshot::Rows(upgraded, it.key(), compared),
                             CSchemaSnapshot::Rows(expected, it.key(), compared)),
                  "")
            << it.key().toStdString();
    }
}

// Hourly data is not offered to the monthly and daily calculations in a database from 50 or below.
const char* const NoHourlyDataForMonthlyAndDaily =
    "update OutputOption set IsACLoadMonthlyCalculation_Output=-1,IsACLoadDailyCalculation_Output=-1,"
    "IsHeatingLoadMonthlyCalculation_Output=-1,IsHeatingLoadDailyCalculation_Output=-1 where ID = 310";
} // namespace

// A project of the oldest format (version 20 once its registry exists), and projects at 44, 45 and
// 51, upgraded, equal a new project table by table: the same tables, columns with their types,
// defaults, collations and keys, the same default values, output options and registry rows, and
// the element, tree and library rows carried over with their links. Where the steps give older
// projects other values than a new one, on purpose, the new project is adjusted first: the
// intermittent-heating rate 0 keeps the heating loads of a project from before 47, and a project
// from 50 or below offers no hourly data to the monthly and daily calculations.
TEST(SchemaChainTest, UpgradedProjectEqualsANewProject)
{
    CTestProgramFolder folder;
    for (int version : {-1, 44, 45, 51}) {
        SCOPED_TRACE(version);
        CSampleProjectFile blank(folder.Path());
        CSampleProjectFile project(folder.Path());
        COldSchema::DowngradeProject(project.Connection(), version);
        const QMap<QString, QStringList> oldColumns = CSchemaSnapshot::Columns(project.Connection());

        int stored = 0;
        EXPECT_EQ(UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false), -1);
        EXPECT_EQ(stored, version);
        if (version <= 46)
            blank.Exec("update Initialization set I_Value = '0' where ID = 62");
        if (version <= 50)
            blank.Exec(NoHourlyDataForMonthlyAndDaily);
        ExpectSameDatabase(project.Connection(), blank.Connection(), oldColumns,
                           {"initialization", "outputoption", "tbl_registry", "tbl_config", "tbl_tree"});
        EXPECT_EQ(project.Scalar("PRAGMA foreign_keys"), "1");
        EXPECT_EQ(project.Scalar("select count(*) from pragma_foreign_key_check"), "0");
    }
}

// The system data database at 45, upgraded, equals the shipped one table by table. The shipped
// room uses hold other values than the old defaults that steps 47 and 55 correct, so the shipped
// database is given the same corrections first; and it offers no hourly data to the monthly and
// daily calculations, as a database from 50 or below does.
TEST(SchemaChainTest, UpgradedSystemDatabaseEqualsTheShippedOne)
{
    CTestProgramFolder folder;
    const auto open = [&folder](CDbConnection& connection, const QString& name, const QString& copy) {
        QFile::copy(folder.File("System/" + name), folder.File("User/" + copy));
        connection.Open(folder.File("User/" + copy));
    };
    CDbConnection shipped(QStringLiteral("chain_shipped"));
    CDbConnection sysData(QStringLiteral("chain_sysdata"));
    CDbConnection shippedParam(QStringLiteral("chain_shipped_param"));
    CDbConnection sysParam(QStringLiteral("chain_sysparam"));
    open(shipped, "SysData.dat", "Shipped.dat");
    open(sysData, "SysData.dat", "SysData.dat");
    open(shippedParam, "SysParam.dat", "ShippedParam.dat");
    open(sysParam, "SysParam.dat", "SysParam.dat");
    COldSchema::DowngradeSystem(sysData, sysParam, 45);
    const QMap<QString, QStringList> oldColumns = CSchemaSnapshot::Columns(sysData);

    CDbQuery dataQuery(sysData);
    CDbQuery paramQuery(sysParam);
    EXPECT_EQ(UpgradeSystemDatabase(sysData, sysParam, dataQuery, paramQuery), -1);
    CDbQuery adjust(shipped);
    ExecQueryGuarded(adjust, NoHourlyDataForMonthlyAndDaily);
    ExecQueryGuarded(adjust,
                     "update RoomOccupation set MaximumAirVelocity = 0.15 where MaximumAirVelocity = 0.25");
    for (const auto& [use, power] :
         QList<std::pair<const char*, int>>{{"办公室", 11}, {"百货商场", 12}, {"旅馆客房", 15}})
        ExecQueryGuarded(adjust, {"update RoomOccupation set LightingPower = ? where Name = ?",
                                  {power, QString::fromUtf8(use)}});
    ExpectSameDatabase(sysData, shipped, oldColumns, {"initialization", "outputoption", "tbl_sysversion"});
    ExpectSameDatabase(sysParam, shippedParam, CSchemaSnapshot::Columns(sysParam),
                       {"elementbaseperformance"});
}
