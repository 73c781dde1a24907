#include "calc/CCalMsgOutput.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_System_Manage.h"
#include "calc/ResultAccumulation.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CNodeData.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"

#include <QSaveFile>

namespace {
// Project name, unit flag, the two pressures and the outdoor design states.
QString HeaderText()
{
    const CProjectData& project = CProjectData::Current();
    const CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    const QString name = project.ProjectName.isEmpty() ? QStringLiteral("QOR") : project.ProjectName;
    return name + QLatin1Char('\n') + QString::number(project.Unit == 0 ? 1 : 0) + QLatin1Char('\n') +
           QString::asprintf("%f 0.000000 20.000000 1.204000\n", weather.SummerBarometric) +
           QString::asprintf("%f 0.000000 20.000000 1.204000\n", weather.WinterBarometric) +
           QStringLiteral("W\n") +
           QString::asprintf("0 %f %f 0\n", weather.SummerAirConditioningDesignDrybulbTemperature,
                             weather.SummerAirConditioningDesignWetbulbTemperature) +
           QStringLiteral("W\n") +
           QString::asprintf("1 %f 0 %f\n", weather.WinterAirConditioningDesignDrybulbTemperature,
                             weather.WinterAirConditioningDesignRelativeHumidity * 0.01);
}
} // namespace

bool CCalculate_Manager::ExportConditionAnalysisFile(const QString& path)
{
    CCalculate_System_Manage primarySystems(m_conditionLoadType);
    CCalculate_System_Manage outdoorSystems(m_conditionLoadType);
    bool hasRooms = false;

    for (const auto& building : m_buildings) {
        m_currentBuilding = building.get();
        for (const auto& storey : building->Storeys) {
            EnterStorey(*storey);
            for (const auto& room : storey->Rooms) {
                m_currentRoom = room.get();
                ComputeElementArea(room->Entry);
                const auto* element = dynamic_cast<const CRoom*>(room->Entry.GetElement());
                if (!element)
                    continue;
                const QString primaryName = element->PrimaryAirSystemName;
                const QString outdoorName = element->OutsideAirSystemName;
                if (primaryName.isEmpty() && outdoorName.isEmpty())
                    continue;
                // A failed room has been reported by the engine; without a progress reporter no
                // stop flag records it, so its answer counts as well.
                if (!CalculateRoomLoads(*room, CElementDetailCallback()) || CCalMsgOutput::IsCurrentStopped())
                    return false;
                ComputeResultTotals(room->Result);
                primarySystems.AddRoom(primaryName, *room);
                outdoorSystems.AddRoom(outdoorName, *room);
                hasRooms = true;
            }
        }
    }
    if (!hasRooms)
        return false;

    // Written aside and moved into place on commit: a failure leaves no partial file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    CCalculate_System_Manage::WriteFileText(file, HeaderText());
    primarySystems.WriteConditionBlocks(file);
    outdoorSystems.WriteConditionBlocks(file);
    CCalculate_System_Manage::WriteFileText(file, QStringLiteral("EndSys"));
    return file.commit();
}
