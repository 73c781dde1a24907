#include "library/forms/TTOccupationFrameBase.h"

#include <QGridLayout>

TTOccupationFrameBase::TTOccupationFrameBase(QWidget* owner, const QSize& designSize,
                                             const QString& peopleDensityCaption, const QString& outsideAirCaption)
    : TTMaterial_BaseForm(owner, designSize)
{
    m_grid = new QGridLayout(this);
    struct SField
    {
        const char* key;
        QString caption;
    };
    const SField fields[] = {
        {"SummerACTemperature", QStringLiteral("夏季空调设计温度℃")},
        {"WinterACTemperature", QStringLiteral("冬季空调设计温度℃")},
        {"WinterHeatingTemperature", QStringLiteral("冬季采暖设计温度℃")},
        {"TemperatureVariation", QStringLiteral("允许设计温度波动℃")},
        {"TemperatureVariation_Heating", QStringLiteral("允许采暖设计温度波动℃")},
        {"SummerACRH", QStringLiteral("夏季空调设计相对湿度(RH)℃")},
        {"WinterACRH", QStringLiteral("冬季空调设计相对湿度℃")},
        {"WinterHeatingRH", QStringLiteral("冬季采暖设计相对湿度℃")},
        {"RHVariation", QStringLiteral("允许设计相对湿度波动℃")},
        {"RHVariation_Heating", QStringLiteral("允许采暖设计相对湿度波动℃")},
        {"PeopleDensity", peopleDensityCaption},
        {"LightingPower", QStringLiteral("照明标准，W/m^2")},
        {"Noise", QStringLiteral("噪音标准，dB(A)")},
        {"OutsideAirSupply", outsideAirCaption},
        {"MaximumAirVelocity", QStringLiteral("室内允许最大风速,m/s")},
        {"TotalCoolIndex", QStringLiteral("总冷指标(W/m^2)")},
        {"TotalHeatIndex", QStringLiteral("总热指标(W/m^2)")},
        {"EnclosureCoolIndex", QStringLiteral("围护冷指标(W/m^2)")},
        {"EnclosureHeatIndex", QStringLiteral("围护热指标(W/m^2)")},
        {"PeopleCoolIndex", QStringLiteral("人员冷指标(W/m^2)")},
        {"PeopleHeatIndex", QStringLiteral("人员热指标(W/m^2)")},
        {"OutsideAirCoolIndex", QStringLiteral("新风冷指标(W/m^2)")},
        {"OutsideAirHeatIndex", QStringLiteral("新风热指标(W/m^2)")},
        {"OthersCoolIndex", QStringLiteral("其他冷指标(W/m^2)")},
        {"PthersHeatIndex", QStringLiteral("其他热指标(W/m^2)")},
    };
    constexpr int rows = 9; // 25 numbers and the labour type in three column pairs
    int i = 0;
    for (const SField& field : fields) {
        const QString key = QString::fromLatin1(field.key);
        AddNumber(m_grid, i % rows, 2 * (i / rows), key, QStringLiteral("Edit_") + key, field.caption);
        ++i;
    }
    AddList(m_grid, i % rows, 2 * (i / rows), QStringLiteral("LaborType"), QStringLiteral("Edit_LaborType"),
            QStringLiteral("劳动类型"), ValueKind::ListByIndex,
            {QStringLiteral("静坐"), QStringLiteral("极轻劳动"), QStringLiteral("轻劳动"), QStringLiteral("中等劳动"),
             QStringLiteral("重劳动")});
    m_nextRow = rows;
}
