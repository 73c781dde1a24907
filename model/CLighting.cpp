#include "model/CLighting.h"

#include "model/CDefaultValue.h"
#include "model/CEleAttrs.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/COccupationFields.h"
#include "model/CRoom.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

bool CLighting::SetDefaults()
{
    Name.clear();
    Coord.Clear();
    SimultaneousUseCoefficient = 0.65;
    LampPower = 0;
    ConcealedFluorescencePower = 0;
    ExposedFluorescencePower_Inside = 0;
    ExposedFluorescencePower_Outside = 0;
    LampshadeType = 0;
    if (CRoom* room = Room())
        ApplyOccupation(*room, room->GetOccupation(), COccupationFields());
    else
        ScheduleName = DefaultScheduleName(QStringLiteral("ScheduleName_Lighting"));
    LampshadeType = 0;
    Status = 1;
    return true;
}

void CLighting::ExchangeAttrs(CEleAttrs& attrs)
{
    CLoadElement::ExchangeAttrs(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("SimultaneousUseCoefficient"), SimultaneousUseCoefficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("LampPower"), LampPower);
    EleAttrsExchangeDouble(attrs, QStringLiteral("ConcealedFluorescencePower"), ConcealedFluorescencePower);
    EleAttrsExchangeDouble(attrs, QStringLiteral("ExposedFluorescencePower_Inside"),
                           ExposedFluorescencePower_Inside);
    EleAttrsExchangeDouble(attrs, QStringLiteral("ExposedFluorescencePower_Outside"),
                           ExposedFluorescencePower_Outside);
    EleAttrsExchangeInt(attrs, QStringLiteral("LampshadeType"), LampshadeType);
    EleAttrsExchangeString(attrs, QStringLiteral("ScheduleName"), ScheduleName);
}

void CLighting::ApplyOccupation(const CRoom& room, const CLIB_RoomOccupation& use, const COccupationFields& fields)
{
    if (fields.Has(QStringLiteral("LightingPower"))) {
        const double area = room.IsLWInputArea == 1 ? room.Area : room.Length * room.Width;
        const double power = use.LightingPower * area;
        double* const lamps[] = {&LampPower, &ConcealedFluorescencePower, &ExposedFluorescencePower_Inside,
                                 &ExposedFluorescencePower_Outside};
        const int target = CDefaultValue::Int(QStringLiteral("LightingPowerTo"));
        if (target >= 0 && target < 4) {
            for (int i = 0; i < 4; ++i)
                *lamps[i] = i == target ? power : 0.0;
        }
    }
    if (fields.Has(QStringLiteral("LightScheduleName")))
        ScheduleName = use.LightScheduleName;
    if (fields.Has(QStringLiteral("SimultaneousUseCoefficient")))
        SimultaneousUseCoefficient = use.SimultaneousUseCoefficient;
}

int CLighting::UpdateRecord()
{
    if (!m_Query)
        return 0;
    const QString condition = QStringLiteral(" ID = %1").arg(ID);
    // Bound values: the reals keep every digit and a quote in a schedule name is stored as typed.
    const CSQLStatement statement(QStringLiteral("update  Lighting set "
                                                 "  SimultaneousUseCoefficient= ?  ,"
                                                 "  LampPower= ?  ,"
                                                 "  ConcealedFluorescencePower= ?  ,"
                                                 "  ExposedFluorescencePower_Inside= ?  ,"
                                                 "  ExposedFluorescencePower_Outside= ?  ,"
                                                 "  LampshadeType= ? ,"
                                                 "  ScheduleName=? ,"
                                                 "  Status= ? "
                                                 " where %1 ")
                                      .arg(condition),
                                  {SimultaneousUseCoefficient, LampPower, ConcealedFluorescencePower,
                                   ExposedFluorescencePower_Inside, ExposedFluorescencePower_Outside,
                                   LampshadeType, ScheduleName, Status});
    const int changed = ExecQueryGuarded(*m_Query, statement);
    if (changed > 0)
        Coord.UpdateRecord(*m_Query, QStringLiteral("Lighting"), condition);
    return changed;
}
