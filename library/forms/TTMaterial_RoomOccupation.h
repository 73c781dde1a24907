#pragma once
#include "library/CHvacData.h"
#include "library/forms/TTOccupationFrameBase.h"

class TBMPButton;
class TScheduleFram;

// The record frame of the room-use library: the shared design conditions, schedules, equipment
// powers and their units. It keeps the record as last shown, so that "应用于工程" (offered for
// records of the current project) ticks exactly the fields changed and saved since.
class TTMaterial_RoomOccupation : public TTOccupationFrameBase
{
    Q_OBJECT
public:
    explicit TTMaterial_RoomOccupation(QWidget* owner);

    // The schedule names of the library's database as the items of the nine schedule lists.
    void RefreshLists() override;
    void ExchangeData(CHvacData& bag, bool load) override;
    // The fields whose text differs from the record as shown, unit keys standing for their values.
    QStringList ChangedFields();
    void BMPButton1Click();

    TBMPButton* BMPButton1;
    std::vector<TScheduleFram*> ScheduleFrames;

private:
    CHvacData m_shown;
};
