// Upgrade of a project of 500 office rooms (about 6000 elements) stored at version 44, on a private
// copy of the program folder. Prints the time of UpgradeProjectDatabase; making the old project is
// not timed.
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "tests/support/CTestProgramFolder.h"
#include "tests/upgrade/COldSchema.h"
#include "tests/upgrade/CSampleProjectRows.h"
#include "upgrade/ProjectDatabaseUpgrade.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int rooms = 500;
    constexpr int version = 44;
    CTestProgramFolder folder;
    const QString path = folder.File(QStringLiteral("User/Bench.VLZ"));
    QFile::copy(folder.File(QStringLiteral("Project/ProjectModule.dat")), path);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);

    CDbConnection connection(QStringLiteral("bench_upgrade"));
    connection.Open(path);
    CDbQuery query(connection);
    {
        CDbTransaction transaction(connection);
        CSampleProjectRows::InsertOfficeBuilding(query, rooms);
        transaction.Commit();
    }
    COldSchema::DowngradeProject(connection, version);

    QElapsedTimer timer;
    timer.start();
    int stored = 0;
    const int result = UpgradeProjectDatabase(connection, query, stored, false);
    const qint64 elapsed = timer.elapsed();
    query.SetSQL(CSQLStatement("select count(*) from Ceiling where AdjacentRoomID > 0"));
    query.Open();
    std::printf("upgrade of %d rooms from version %d: %lld ms (result %d, %d ceilings linked)\n", rooms,
                stored, static_cast<long long>(elapsed), result, query.Field(0).toInt());
    return result == -1 ? 0 : 1;
}
