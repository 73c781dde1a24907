#include "tests/calc/CRecordingCalcLibrary.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
constexpr int kHours = 24;

const RecordedArg* ArgAt(const RecordedCall& call, int number, RecordedArg::Kind kind)
{
    if (number < 1 || number > static_cast<int>(call.Args.size())) {
        ADD_FAILURE() << call.Name.toStdString() << " has no argument " << number;
        return nullptr;
    }
    const RecordedArg& arg = call.Args[static_cast<size_t>(number - 1)];
    if (arg.Type != kind) {
        ADD_FAILURE() << call.Name.toStdString() << " argument " << number << " is of another kind";
        return nullptr;
    }
    return &arg;
}
} // namespace

double RecordedCall::Real(int number) const
{
    const RecordedArg* arg = ArgAt(*this, number, RecordedArg::Real);
    return arg ? arg->Value : 0.0;
}

int RecordedCall::Int(int number) const
{
    const RecordedArg* arg = ArgAt(*this, number, RecordedArg::Int);
    return arg ? static_cast<int>(arg->Value) : 0;
}

std::vector<double> RecordedCall::Input(int number) const
{
    const RecordedArg* arg = ArgAt(*this, number, RecordedArg::Input);
    return arg ? arg->Values : std::vector<double>();
}

const void* RecordedCall::Address(int number) const
{
    if (number < 1 || number > static_cast<int>(Args.size())) {
        ADD_FAILURE() << Name.toStdString() << " has no argument " << number;
        return nullptr;
    }
    return Args[static_cast<size_t>(number - 1)].Address;
}

bool RecordedCall::IsOutput(int number) const
{
    return number >= 1 && number <= static_cast<int>(Args.size()) &&
           Args[static_cast<size_t>(number - 1)].Type == RecordedArg::Output;
}

QString RecordedCall::Text() const
{
    QStringList parts;
    for (const RecordedArg& arg : Args) {
        switch (arg.Type) {
        case RecordedArg::Int:
        case RecordedArg::Real:
            parts << QString::number(arg.Value, 'g', 7);
            break;
        case RecordedArg::Input: {
            const bool flat = std::all_of(arg.Values.begin(), arg.Values.end(),
                                          [&](double v) { return v == arg.Values.front(); });
            parts << QStringLiteral("[%1%2]").arg(
                QString::number(arg.Values.empty() ? 0.0 : arg.Values.front(), 'g', 7),
                flat ? QString() : QStringLiteral(" …"));
            break;
        }
        case RecordedArg::Output:
            parts << QStringLiteral("out");
            break;
        }
    }
    return Name + QLatin1Char('(') + parts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QList<RecordedCall> CRecordingCalcLibrary::CallsOf(const QString& name) const
{
    QList<RecordedCall> calls;
    for (const RecordedCall& call : Calls)
        if (call.Name == name)
            calls << call;
    return calls;
}

QStringList CRecordingCalcLibrary::Names() const
{
    QStringList names;
    for (const RecordedCall& call : Calls)
        names << call.Name;
    return names;
}

RecordedCall& CRecordingCalcLibrary::Begin(const QString& name)
{
    RecordedCall call;
    call.Name = name;
    call.Sequence = static_cast<int>(Calls.size());
    Calls << call;
    m_outputsFilled = 0;
    return Calls.last();
}

void CRecordingCalcLibrary::AddInt(RecordedCall& call, int32_t value)
{
    RecordedArg arg;
    arg.Type = RecordedArg::Int;
    arg.Value = value;
    call.Args.push_back(arg);
}

void CRecordingCalcLibrary::AddReal(RecordedCall& call, double value)
{
    RecordedArg arg;
    arg.Type = RecordedArg::Real;
    arg.Value = value;
    call.Args.push_back(arg);
}

void CRecordingCalcLibrary::AddInput(RecordedCall& call, const float* values)
{
    RecordedArg arg;
    arg.Type = RecordedArg::Input;
    arg.Address = values;
    if (values)
        arg.Values.assign(values, values + kHours);
    call.Args.push_back(arg);
}

void CRecordingCalcLibrary::AddInput(RecordedCall& call, const double* values)
{
    RecordedArg arg;
    arg.Type = RecordedArg::Input;
    arg.Address = values;
    if (values)
        arg.Values.assign(values, values + kHours);
    call.Args.push_back(arg);
}

void CRecordingCalcLibrary::AddOutput(RecordedCall& call, const void* address)
{
    RecordedArg arg;
    arg.Type = RecordedArg::Output;
    arg.Address = address;
    call.Args.push_back(arg);
}

double CRecordingCalcLibrary::FillValue(const RecordedCall& call, int output, int hour) const
{
    return Fill ? Fill(call, output, hour) : output + 1.0;
}

void CRecordingCalcLibrary::FillOutput(RecordedCall& call, float* values)
{
    const int output = m_outputsFilled++;
    if (!values)
        return;
    for (int hour = 0; hour < kHours; ++hour)
        values[hour] = static_cast<float>(FillValue(call, output, hour));
}

void CRecordingCalcLibrary::FillOutput(RecordedCall& call, double* values)
{
    const int output = m_outputsFilled++;
    if (!values)
        return;
    for (int hour = 0; hour < kHours; ++hour)
        values[hour] = FillValue(call, output, hour);
}

void CRecordingCalcLibrary::SetDesignContext(float longitude, float timeZone, float dailyRange, float clarity,
                                             int32_t groundGrade, float summerPressure, float winterPressure)
{
    RecordedCall& call = Begin(QStringLiteral("SetDesignContext"));
    AddReal(call, longitude);
    AddReal(call, timeZone);
    AddReal(call, dailyRange);
    AddReal(call, clarity);
    AddInt(call, groundGrade);
    AddReal(call, summerPressure);
    AddReal(call, winterPressure);
}

void CRecordingCalcLibrary::ResetDesignContext()
{
    RecordedCall& call = Begin(QStringLiteral("ResetDesignContext"));
}

void CRecordingCalcLibrary::GetCL_Person(float area, float personsPerM2, int32_t roomType, float roomTemp,
                                         int32_t laborType, float clusterCoef, int32_t steady, int32_t winter,
                                         float coef, const float* sched24, float* total24, float* sensible24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_Person"));
    AddReal(call, area);
    AddReal(call, personsPerM2);
    AddInt(call, roomType);
    AddReal(call, roomTemp);
    AddInt(call, laborType);
    AddReal(call, clusterCoef);
    AddInt(call, steady);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInput(call, sched24);
    AddOutput(call, total24);
    AddOutput(call, sensible24);
    FillOutput(call, total24);
    FillOutput(call, sensible24);
}

void CRecordingCalcLibrary::GetDL_Person(float area, float personsPerM2, float roomTemp, int32_t laborType,
                                         float clusterCoef, const float* sched24, float* moisture24)
{
    RecordedCall& call = Begin(QStringLiteral("GetDL_Person"));
    AddReal(call, area);
    AddReal(call, personsPerM2);
    AddReal(call, roomTemp);
    AddInt(call, laborType);
    AddReal(call, clusterCoef);
    AddInput(call, sched24);
    AddOutput(call, moisture24);
    FillOutput(call, moisture24);
}

void CRecordingCalcLibrary::GetCL_Light(int32_t roomType, float incandescent, float exposedBallastOutside,
                                        float exposedBallastInside, float concealed, float simultaneous,
                                        int32_t lampshadeType, int32_t steady, int32_t winter, float coef,
                                        const float* sched24, float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_Light"));
    AddInt(call, roomType);
    AddReal(call, incandescent);
    AddReal(call, exposedBallastOutside);
    AddReal(call, exposedBallastInside);
    AddReal(call, concealed);
    AddReal(call, simultaneous);
    AddInt(call, lampshadeType);
    AddInt(call, steady);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInput(call, sched24);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_HeatingEquipment(int32_t roomType, float power, float simultaneous,
                                                   float usage, float load, float ventilation, int32_t steady,
                                                   int32_t winter, float coef, const float* sched24,
                                                   float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_HeatingEquipment"));
    AddInt(call, roomType);
    AddReal(call, power);
    AddReal(call, simultaneous);
    AddReal(call, usage);
    AddReal(call, load);
    AddReal(call, ventilation);
    AddInt(call, steady);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInput(call, sched24);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_ElectronicEquipment(int32_t roomType, float power, float c1, float c2,
                                                      float c3, int32_t steady, int32_t winter, float coef,
                                                      const float* sched24, float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_ElectronicEquipment"));
    AddInt(call, roomType);
    AddReal(call, power);
    AddReal(call, c1);
    AddReal(call, c2);
    AddReal(call, c3);
    AddInt(call, steady);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInput(call, sched24);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_ElectricEquipment(int32_t roomType, float power, float useCoef,
                                                    float inputCoef, float efficiency, int32_t location,
                                                    int32_t steady, int32_t winter, float coef,
                                                    const float* sched24, float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_ElectricEquipment"));
    AddInt(call, roomType);
    AddReal(call, power);
    AddReal(call, useCoef);
    AddReal(call, inputCoef);
    AddReal(call, efficiency);
    AddInt(call, location);
    AddInt(call, steady);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInput(call, sched24);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetDL_Equipment(int32_t roomType, float moistureGain, const float* sched24,
                                            float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetDL_Equipment"));
    AddInt(call, roomType);
    AddReal(call, moistureGain);
    AddInput(call, sched24);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_Addition_Food(int32_t diners, float clusterCoef, int32_t steady,
                                                int32_t winter, float coef, const float* sched24,
                                                float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_Addition_Food"));
    AddInt(call, diners);
    AddReal(call, clusterCoef);
    AddInt(call, steady);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInput(call, sched24);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetDL_Addition_Food(int32_t diners, float clusterCoef, const float* sched24,
                                                float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetDL_Addition_Food"));
    AddInt(call, diners);
    AddReal(call, clusterCoef);
    AddInput(call, sched24);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_ChemicalReaction(double incompleteCombustion, double loadRatio,
                                                   double maxFuel, double heatValue, double moistureYield,
                                                   const double* sched24, double* moisture24, double* total24,
                                                   double* latent24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_ChemicalReaction"));
    AddReal(call, incompleteCombustion);
    AddReal(call, loadRatio);
    AddReal(call, maxFuel);
    AddReal(call, heatValue);
    AddReal(call, moistureYield);
    AddInput(call, sched24);
    AddOutput(call, moisture24);
    AddOutput(call, total24);
    AddOutput(call, latent24);
    FillOutput(call, moisture24);
    FillOutput(call, total24);
    FillOutput(call, latent24);
}

void CRecordingCalcLibrary::GetCL_Addition_Vapor_Precision(float surfaceArea, float waterTemp, int32_t steady,
                                                           int32_t winter, float coef, const float* sched24,
                                                           float* out24, float roomTemp, float roomRH,
                                                           float p)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_Addition_Vapor_Precision"));
    AddReal(call, surfaceArea);
    AddReal(call, waterTemp);
    AddInt(call, steady);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInput(call, sched24);
    AddOutput(call, out24);
    AddReal(call, roomTemp);
    AddReal(call, roomRH);
    AddReal(call, p);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetDL_Addition_Vapor_Precision(float surfaceArea, float waterTemp, int32_t winter,
                                                           float coef, const float* sched24, float* out24,
                                                           float roomTemp, float roomRH, float p)
{
    RecordedCall& call = Begin(QStringLiteral("GetDL_Addition_Vapor_Precision"));
    AddReal(call, surfaceArea);
    AddReal(call, waterTemp);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInput(call, sched24);
    AddOutput(call, out24);
    AddReal(call, roomTemp);
    AddReal(call, roomRH);
    AddReal(call, p);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_Addition_Infiltration_N(float area, float height, float p, float roomTemp,
                                                          float roomRH, const float* db24, const float* wb24,
                                                          float personsPerHour, int32_t doorType,
                                                          const float* sched24, float* load24, float* spare24,
                                                          float airChanges)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_Addition_Infiltration_N"));
    AddReal(call, area);
    AddReal(call, height);
    AddReal(call, p);
    AddReal(call, roomTemp);
    AddReal(call, roomRH);
    AddInput(call, db24);
    AddInput(call, wb24);
    AddReal(call, personsPerHour);
    AddInt(call, doorType);
    AddInput(call, sched24);
    AddOutput(call, load24);
    AddOutput(call, spare24);
    AddReal(call, airChanges);
    FillOutput(call, load24);
    FillOutput(call, spare24);
}

void CRecordingCalcLibrary::GetDL_Addition_Infiltration(float area, float height, float p, float roomTemp,
                                                        float roomRH, const float* db24, const float* wb24,
                                                        float personsPerHour, int32_t doorType,
                                                        const float* sched24, float* moisture24)
{
    RecordedCall& call = Begin(QStringLiteral("GetDL_Addition_Infiltration"));
    AddReal(call, area);
    AddReal(call, height);
    AddReal(call, p);
    AddReal(call, roomTemp);
    AddReal(call, roomRH);
    AddInput(call, db24);
    AddInput(call, wb24);
    AddReal(call, personsPerHour);
    AddInt(call, doorType);
    AddInput(call, sched24);
    AddOutput(call, moisture24);
    FillOutput(call, moisture24);
}

void CRecordingCalcLibrary::GetCL_FreshAir_D(float volume, float p, float roomTemp, float roomRH,
                                             const float* db24, const float* wb24, const float* sched24,
                                             float* volume24, float* total24, float* sensible24,
                                             float* moisture24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_FreshAir_D"));
    AddReal(call, volume);
    AddReal(call, p);
    AddReal(call, roomTemp);
    AddReal(call, roomRH);
    AddInput(call, db24);
    AddInput(call, wb24);
    AddInput(call, sched24);
    AddOutput(call, volume24);
    AddOutput(call, total24);
    AddOutput(call, sensible24);
    AddOutput(call, moisture24);
    FillOutput(call, volume24);
    FillOutput(call, total24);
    FillOutput(call, sensible24);
    FillOutput(call, moisture24);
}

void CRecordingCalcLibrary::GetCL_Enclose_Simple(float area, float index, float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_Enclose_Simple"));
    AddReal(call, area);
    AddReal(call, index);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_FanAndDuct(double airVolume, double fanRise, double ductRise,
                                             const double* sched24, double* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_FanAndDuct"));
    AddReal(call, airVolume);
    AddReal(call, fanRise);
    AddReal(call, ductRise);
    AddInput(call, sched24);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetDL_Enclosure(double moistureGain, const double* sched24, double* moisture24,
                                            double* latent24)
{
    RecordedCall& call = Begin(QStringLiteral("GetDL_Enclosure"));
    AddReal(call, moistureGain);
    AddInput(call, sched24);
    AddOutput(call, moisture24);
    AddOutput(call, latent24);
    FillOutput(call, moisture24);
    FillOutput(call, latent24);
}

void CRecordingCalcLibrary::GetCL_PumpAndPipe(double waterFlow, double pumpRise, double pipeRise,
                                              const double* sched24, double* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_PumpAndPipe"));
    AddReal(call, waterFlow);
    AddReal(call, pumpRise);
    AddReal(call, pipeRise);
    AddInput(call, sched24);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_OutEnclose_Wall_v2005_Angle(
    float latitude, float twg, float twk, float twgDay, float peak, float summerRoom, float room,
    int32_t direction, float k, float beta, float xi, float area, int32_t steady, float* out24, float height,
    float elevation, float winterWind, float summerWind, int32_t month, float coefNorth, float coefEast,
    float coefSouthEast, float coefSouth, double directionAngle)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_OutEnclose_Wall_v2005_Angle"));
    AddReal(call, latitude);
    AddReal(call, twg);
    AddReal(call, twk);
    AddReal(call, twgDay);
    AddReal(call, peak);
    AddReal(call, summerRoom);
    AddReal(call, room);
    AddInt(call, direction);
    AddReal(call, k);
    AddReal(call, beta);
    AddReal(call, xi);
    AddReal(call, area);
    AddInt(call, steady);
    AddOutput(call, out24);
    AddReal(call, height);
    AddReal(call, elevation);
    AddReal(call, winterWind);
    AddReal(call, summerWind);
    AddInt(call, month);
    AddReal(call, coefNorth);
    AddReal(call, coefEast);
    AddReal(call, coefSouthEast);
    AddReal(call, coefSouth);
    AddReal(call, directionAngle);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_OutEnclose_Roof(float latitude, float twg, float twk, float twgDay,
                                                  float peak, float summerRoom, float room, float k,
                                                  float beta, float xi, float area, int32_t color,
                                                  int32_t steady, float* out24, float height, float elevation,
                                                  float winterWind, float summerWind, int32_t month)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_OutEnclose_Roof"));
    AddReal(call, latitude);
    AddReal(call, twg);
    AddReal(call, twk);
    AddReal(call, twgDay);
    AddReal(call, peak);
    AddReal(call, summerRoom);
    AddReal(call, room);
    AddReal(call, k);
    AddReal(call, beta);
    AddReal(call, xi);
    AddReal(call, area);
    AddInt(call, color);
    AddInt(call, steady);
    AddOutput(call, out24);
    AddReal(call, height);
    AddReal(call, elevation);
    AddReal(call, winterWind);
    AddReal(call, summerWind);
    AddInt(call, month);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_OutEnclose_Window(float latitude, float twg, float twk, float twgDay,
                                                    float peak, float summerRoom, float room,
                                                    int32_t roomType, float k, float area, int32_t steady,
                                                    float* out24, float height, float elevation,
                                                    float winterWind, float summerWind, int32_t month)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_OutEnclose_Window"));
    AddReal(call, latitude);
    AddReal(call, twg);
    AddReal(call, twk);
    AddReal(call, twgDay);
    AddReal(call, peak);
    AddReal(call, summerRoom);
    AddReal(call, room);
    AddInt(call, roomType);
    AddReal(call, k);
    AddReal(call, area);
    AddInt(call, steady);
    AddOutput(call, out24);
    AddReal(call, height);
    AddReal(call, elevation);
    AddReal(call, winterWind);
    AddReal(call, summerWind);
    AddInt(call, month);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_OutEnclose_Window_2014_Angle(
    float latitude, float twg, float twk, float twgDay, float peak, float summerRoom, float room,
    int32_t roomType, float k, float area, int32_t steady, float* out24, float height, float elevation,
    float winterWind, float summerWind, int32_t month, int32_t direction, float coefNorth, float coefEast,
    float coefSouthEast, float coefSouth, double directionAngle)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_OutEnclose_Window_2014_Angle"));
    AddReal(call, latitude);
    AddReal(call, twg);
    AddReal(call, twk);
    AddReal(call, twgDay);
    AddReal(call, peak);
    AddReal(call, summerRoom);
    AddReal(call, room);
    AddInt(call, roomType);
    AddReal(call, k);
    AddReal(call, area);
    AddInt(call, steady);
    AddOutput(call, out24);
    AddReal(call, height);
    AddReal(call, elevation);
    AddReal(call, winterWind);
    AddReal(call, summerWind);
    AddInt(call, month);
    AddInt(call, direction);
    AddReal(call, coefNorth);
    AddReal(call, coefEast);
    AddReal(call, coefSouthEast);
    AddReal(call, coefSouth);
    AddReal(call, directionAngle);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_OutEnclose_Solar_Angle(
    float latitude, float longitude, float twg, int32_t roomType, int32_t direction, float k,
    float solarFactor, int32_t shieldType, int32_t airSupplyType, int32_t insideShieldMaterials, float area,
    int32_t steady, int32_t winter, float coef, int32_t month, int32_t day, int32_t groundGrade,
    float timeZone, float shadeB, float shadeH, float shadeL, float shadeM, float shadeF, float shadeG,
    int32_t quantity, float* out24, double directionAngle)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_OutEnclose_Solar_Angle"));
    AddReal(call, latitude);
    AddReal(call, longitude);
    AddReal(call, twg);
    AddInt(call, roomType);
    AddInt(call, direction);
    AddReal(call, k);
    AddReal(call, solarFactor);
    AddInt(call, shieldType);
    AddInt(call, airSupplyType);
    AddInt(call, insideShieldMaterials);
    AddReal(call, area);
    AddInt(call, steady);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInt(call, month);
    AddInt(call, day);
    AddInt(call, groundGrade);
    AddReal(call, timeZone);
    AddReal(call, shadeB);
    AddReal(call, shadeH);
    AddReal(call, shadeL);
    AddReal(call, shadeM);
    AddReal(call, shadeF);
    AddReal(call, shadeG);
    AddInt(call, quantity);
    AddOutput(call, out24);
    AddReal(call, directionAngle);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_SkyWindow_Solar_Angle(float latitude, float longitude, float twg,
                                                        int32_t roomType, int32_t direction, float k,
                                                        float solarFactor, float area, int32_t steady,
                                                        int32_t winter, float coef, int32_t month,
                                                        int32_t day, int32_t groundGrade, float timeZone,
                                                        float* out24, double directionAngle)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_SkyWindow_Solar_Angle"));
    AddReal(call, latitude);
    AddReal(call, longitude);
    AddReal(call, twg);
    AddInt(call, roomType);
    AddInt(call, direction);
    AddReal(call, k);
    AddReal(call, solarFactor);
    AddReal(call, area);
    AddInt(call, steady);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInt(call, month);
    AddInt(call, day);
    AddInt(call, groundGrade);
    AddReal(call, timeZone);
    AddOutput(call, out24);
    AddReal(call, directionAngle);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_InEnclose_Wall_v2005(float latitude, float twg, float mean, float twk,
                                                       float twgDay, float peak, float summerRoom, float room,
                                                       float k, float beta, float xi, float area,
                                                       int32_t adjacentStatus, int32_t steady, float* out24,
                                                       float deltaT, float coefficient)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_InEnclose_Wall_v2005"));
    AddReal(call, latitude);
    AddReal(call, twg);
    AddReal(call, mean);
    AddReal(call, twk);
    AddReal(call, twgDay);
    AddReal(call, peak);
    AddReal(call, summerRoom);
    AddReal(call, room);
    AddReal(call, k);
    AddReal(call, beta);
    AddReal(call, xi);
    AddReal(call, area);
    AddInt(call, adjacentStatus);
    AddInt(call, steady);
    AddOutput(call, out24);
    AddReal(call, deltaT);
    AddReal(call, coefficient);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_InEnclose_Window_v2005(float latitude, float twg, float mean, float twk,
                                                         float twgDay, float peak, float summerRoom,
                                                         float room, int32_t roomType, int32_t adjacentStatus,
                                                         float k, float area, int32_t steady, float* out24,
                                                         float deltaT, float coefficient)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_InEnclose_Window_v2005"));
    AddReal(call, latitude);
    AddReal(call, twg);
    AddReal(call, mean);
    AddReal(call, twk);
    AddReal(call, twgDay);
    AddReal(call, peak);
    AddReal(call, summerRoom);
    AddReal(call, room);
    AddInt(call, roomType);
    AddInt(call, adjacentStatus);
    AddReal(call, k);
    AddReal(call, area);
    AddInt(call, steady);
    AddOutput(call, out24);
    AddReal(call, deltaT);
    AddReal(call, coefficient);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_InEnclose_Floor_v2005(float latitude, float twg, float mean, float twk,
                                                        float twgDay, float peak, float summerRoom,
                                                        float room, float k, float beta, float xi, float area,
                                                        int32_t adjacentStatus, int32_t steady, float* out24,
                                                        float deltaT, float coefficient)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_InEnclose_Floor_v2005"));
    AddReal(call, latitude);
    AddReal(call, twg);
    AddReal(call, mean);
    AddReal(call, twk);
    AddReal(call, twgDay);
    AddReal(call, peak);
    AddReal(call, summerRoom);
    AddReal(call, room);
    AddReal(call, k);
    AddReal(call, beta);
    AddReal(call, xi);
    AddReal(call, area);
    AddInt(call, adjacentStatus);
    AddInt(call, steady);
    AddOutput(call, out24);
    AddReal(call, deltaT);
    AddReal(call, coefficient);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_ProjectionFloor(float latitude, float twg, float mean, float twk,
                                                  float twgDay, float peak, float summerRoom, float room,
                                                  float k, float beta, float xi, float area, int32_t steady,
                                                  float* out24, float height, float elevation,
                                                  float winterWind, float summerWind, int32_t month)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_ProjectionFloor"));
    AddReal(call, latitude);
    AddReal(call, twg);
    AddReal(call, mean);
    AddReal(call, twk);
    AddReal(call, twgDay);
    AddReal(call, peak);
    AddReal(call, summerRoom);
    AddReal(call, room);
    AddReal(call, k);
    AddReal(call, beta);
    AddReal(call, xi);
    AddReal(call, area);
    AddInt(call, steady);
    AddOutput(call, out24);
    AddReal(call, height);
    AddReal(call, elevation);
    AddReal(call, winterWind);
    AddReal(call, summerWind);
    AddInt(call, month);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_GapWall(float latitude, float twg, float mean, float twk, float twgDay,
                                          float peak, float summerRoom, float room, float k, float beta,
                                          float xi, float area, int32_t gapWallType, int32_t steady,
                                          float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_GapWall"));
    AddReal(call, latitude);
    AddReal(call, twg);
    AddReal(call, mean);
    AddReal(call, twk);
    AddReal(call, twgDay);
    AddReal(call, peak);
    AddReal(call, summerRoom);
    AddReal(call, room);
    AddReal(call, k);
    AddReal(call, beta);
    AddReal(call, xi);
    AddReal(call, area);
    AddInt(call, gapWallType);
    AddInt(call, steady);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_Ground(float room, float groundSide, float k, float area, int32_t month,
                                         float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_Ground"));
    AddReal(call, room);
    AddReal(call, groundSide);
    AddReal(call, k);
    AddReal(call, area);
    AddInt(call, month);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_BasementWall(float room, float groundSide, float k, float area,
                                               int32_t month, float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_BasementWall"));
    AddReal(call, room);
    AddReal(call, groundSide);
    AddReal(call, k);
    AddReal(call, area);
    AddInt(call, month);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::FillOutputN(RecordedCall& call, float* values, int n)
{
    const int output = m_outputsFilled++;
    if (!values)
        return;
    for (int i = 0; i < n; ++i)
        values[i] = static_cast<float>(FillValue(call, output, i));
}

void CRecordingCalcLibrary::GetDB12(float twg, float rangeSummer, float twk, float* out12x24)
{
    RecordedCall& call = Begin(QStringLiteral("GetDB12"));
    AddReal(call, twg);
    AddReal(call, rangeSummer);
    AddReal(call, twk);
    AddOutput(call, out12x24);
    FillOutputN(call, out12x24, 12 * kHours);
}

void CRecordingCalcLibrary::GetWB12(float pSummer, float pWinter, float twg, float tws, float rangeSummer,
                                    float twk, float rhWinter, float* out12x24)
{
    RecordedCall& call = Begin(QStringLiteral("GetWB12"));
    AddReal(call, pSummer);
    AddReal(call, pWinter);
    AddReal(call, twg);
    AddReal(call, tws);
    AddReal(call, rangeSummer);
    AddReal(call, twk);
    AddReal(call, rhWinter);
    AddOutput(call, out12x24);
    FillOutputN(call, out12x24, 12 * kHours);
}

void CRecordingCalcLibrary::GetpMonthly(float pSummer, float pWinter, float* out12)
{
    RecordedCall& call = Begin(QStringLiteral("GetpMonthly"));
    AddReal(call, pSummer);
    AddReal(call, pWinter);
    AddOutput(call, out12);
    FillOutputN(call, out12, 12);
}

void CRecordingCalcLibrary::GetpDaily(float pSummer, float pWinter, float* out365)
{
    RecordedCall& call = Begin(QStringLiteral("GetpDaily"));
    AddReal(call, pSummer);
    AddReal(call, pWinter);
    AddOutput(call, out365);
    FillOutputN(call, out365, 365);
}

uint8_t CRecordingCalcLibrary::GetIsUsingepsilon(float p, float twi, float rhWinter, const float* db24,
                                                 const float* wb24)
{
    RecordedCall& call = Begin(QStringLiteral("GetIsUsingepsilon"));
    AddReal(call, p);
    AddReal(call, twi);
    AddReal(call, rhWinter);
    AddInput(call, db24);
    AddInput(call, wb24);
    // The answer is the fill value of output 0 at index 0, as a byte.
    return static_cast<uint8_t>(static_cast<int>(FillValue(call, 0, 0)));
}

void CRecordingCalcLibrary::GetIndoortRH(float p, float twi, float rhWinter, float tsi, float rhSummer,
                                         const float* db24, const float* wb24, float* t, float* rh)
{
    RecordedCall& call = Begin(QStringLiteral("GetIndoortRH"));
    AddReal(call, p);
    AddReal(call, twi);
    AddReal(call, rhWinter);
    AddReal(call, tsi);
    AddReal(call, rhSummer);
    AddInput(call, db24);
    AddInput(call, wb24);
    AddOutput(call, t);
    AddOutput(call, rh);
    FillOutputN(call, t, 1);
    FillOutputN(call, rh, 1);
}

void CRecordingCalcLibrary::GetAverageWD(const float* data8760x7, float* max365, float* mean365,
                                         float* min365)
{
    RecordedCall& call = Begin(QStringLiteral("GetAverageWD"));
    AddInput(call, data8760x7);
    AddOutput(call, max365);
    AddOutput(call, mean365);
    AddOutput(call, min365);
    FillOutputN(call, max365, 365);
    FillOutputN(call, mean365, 365);
    FillOutputN(call, min365, 365);
}

void CRecordingCalcLibrary::GetCL_OutEnclose_Solar_Daily_Angle(
    float latitude, float longitude, float twg, int32_t roomType, int32_t direction, float k,
    float solarFactor, int32_t shieldType, int32_t airSupplyType, int32_t insideShieldMaterials, float area,
    int32_t steady, int32_t winter, float coef, int32_t month, int32_t day, int32_t groundGrade,
    float timeZone, float shadeB, float shadeH, float shadeL, float shadeM, float shadeF, float shadeG,
    int32_t quantity, float* out24, const float* globalHorizontal24, const float* dailyMean24,
    double directionAngle)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_OutEnclose_Solar_Daily_Angle"));
    AddReal(call, latitude);
    AddReal(call, longitude);
    AddReal(call, twg);
    AddInt(call, roomType);
    AddInt(call, direction);
    AddReal(call, k);
    AddReal(call, solarFactor);
    AddInt(call, shieldType);
    AddInt(call, airSupplyType);
    AddInt(call, insideShieldMaterials);
    AddReal(call, area);
    AddInt(call, steady);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInt(call, month);
    AddInt(call, day);
    AddInt(call, groundGrade);
    AddReal(call, timeZone);
    AddReal(call, shadeB);
    AddReal(call, shadeH);
    AddReal(call, shadeL);
    AddReal(call, shadeM);
    AddReal(call, shadeF);
    AddReal(call, shadeG);
    AddInt(call, quantity);
    AddOutput(call, out24);
    AddInput(call, globalHorizontal24);
    AddInput(call, dailyMean24);
    AddReal(call, directionAngle);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetCL_SkyWindow_Solar_Daily_Angle(
    float latitude, float longitude, float twg, int32_t roomType, int32_t direction, float k,
    float solarFactor, float area, int32_t steady, int32_t winter, float coef, int32_t month, int32_t day,
    int32_t groundGrade, float timeZone, float* out24, const float* globalHorizontal24,
    const float* dailyMean24, double directionAngle)
{
    RecordedCall& call = Begin(QStringLiteral("GetCL_SkyWindow_Solar_Daily_Angle"));
    AddReal(call, latitude);
    AddReal(call, longitude);
    AddReal(call, twg);
    AddInt(call, roomType);
    AddInt(call, direction);
    AddReal(call, k);
    AddReal(call, solarFactor);
    AddReal(call, area);
    AddInt(call, steady);
    AddInt(call, winter);
    AddReal(call, coef);
    AddInt(call, month);
    AddInt(call, day);
    AddInt(call, groundGrade);
    AddReal(call, timeZone);
    AddOutput(call, out24);
    AddInput(call, globalHorizontal24);
    AddInput(call, dailyMean24);
    AddReal(call, directionAngle);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetTWN(float rangeSummer, float twn, float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetTWN"));
    AddReal(call, rangeSummer);
    AddReal(call, twn);
    AddOutput(call, out24);
    FillOutput(call, out24);
}

void CRecordingCalcLibrary::GetDB12_Heating(float twg, float rangeSummer, float twn, float* out12x24)
{
    RecordedCall& call = Begin(QStringLiteral("GetDB12_Heating"));
    AddReal(call, twg);
    AddReal(call, rangeSummer);
    AddReal(call, twn);
    AddOutput(call, out12x24);
    FillOutputN(call, out12x24, 12 * kHours);
}

void CRecordingCalcLibrary::SetRoomOpeningArea(float area)
{
    RecordedCall& call = Begin(QStringLiteral("SetRoomOpeningArea"));
    AddReal(call, area);
}

void CRecordingCalcLibrary::GetHL_OutWall_Angle_v2012(
    int32_t direction, float area, float k, float tn, const float* profile24, int32_t industry, float height,
    float gradient, float coefNorth, float coefEast, float coefSouthEast, float coefSouth, float windPlus,
    float elevation, float windSpeed, float* out24, double directionAngle, float rate0, float* rate1,
    float* rate2, float* block0, float* rate3, float* rate4, float* rate5, float* block1, float* block2,
    float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_OutWall_Angle_v2012"));
    AddInt(call, direction);
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddReal(call, coefNorth);
    AddReal(call, coefEast);
    AddReal(call, coefSouthEast);
    AddReal(call, coefSouth);
    AddReal(call, windPlus);
    AddReal(call, elevation);
    AddReal(call, windSpeed);
    AddOutput(call, out24);
    AddReal(call, directionAngle);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_OutWindow_Angle_v2012(
    int32_t direction, float area, float k, float tn, const float* profile24, int32_t industry, float height,
    float gradient, float elevation, float windSpeed, int32_t isColdAir, int32_t doorType,
    int32_t storeyCount, float coefNorth, float coefEast, float coefSouthEast, float coefSouth,
    float windPlus, float crackExponent, float orientationFactor, float thermalPressureCoef,
    float windPressureDiff, int32_t simplified, int32_t estimation, int32_t wallsWithWindows, float roomArea,
    const float* wallLoss24, float buildingHeight, float crackLength, int32_t tightnessGrade,
    int32_t partitionType, float shaftTemp, float latitude, float twg, float* infiltration24, float* total24,
    double directionAngle, double reserved, float rate0, float* rate1, float* rate2, float* block0,
    float* rate3, float* rate4, float* rate5, float* block1, float* block2, float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_OutWindow_Angle_v2012"));
    AddInt(call, direction);
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddReal(call, elevation);
    AddReal(call, windSpeed);
    AddInt(call, isColdAir);
    AddInt(call, doorType);
    AddInt(call, storeyCount);
    AddReal(call, coefNorth);
    AddReal(call, coefEast);
    AddReal(call, coefSouthEast);
    AddReal(call, coefSouth);
    AddReal(call, windPlus);
    AddReal(call, crackExponent);
    AddReal(call, orientationFactor);
    AddReal(call, thermalPressureCoef);
    AddReal(call, windPressureDiff);
    AddInt(call, simplified);
    AddInt(call, estimation);
    AddInt(call, wallsWithWindows);
    AddReal(call, roomArea);
    AddInput(call, wallLoss24);
    AddReal(call, buildingHeight);
    AddReal(call, crackLength);
    AddInt(call, tightnessGrade);
    AddInt(call, partitionType);
    AddReal(call, shaftTemp);
    AddReal(call, latitude);
    AddReal(call, twg);
    AddOutput(call, infiltration24);
    AddOutput(call, total24);
    AddReal(call, directionAngle);
    AddReal(call, reserved);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, infiltration24);
    FillOutput(call, total24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_IndoorWindow_v2012(float area, float k, float tn, const float* profile24,
                                                     int32_t storeyCount, int32_t status, float adjacentTemp,
                                                     int32_t industry, float height, float gradient,
                                                     float* out24, float nearRoomDelta, float rate0,
                                                     float* rate1, float* rate2, float* block0, float* rate3,
                                                     float* rate4, float* rate5, float* block1, float* block2,
                                                     float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_IndoorWindow_v2012"));
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, storeyCount);
    AddInt(call, status);
    AddReal(call, adjacentTemp);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddOutput(call, out24);
    AddReal(call, nearRoomDelta);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_IndoorWall_v2012(float area, float k, float tn, const float* profile24,
                                                   int32_t storeyCount, int32_t status, float adjacentTemp,
                                                   int32_t industry, float height, float gradient,
                                                   float* out24, float thisMinusNeighbour, float rate0,
                                                   float* rate1, float* rate2, float* block0, float* rate3,
                                                   float* rate4, float* rate5, float* block1, float* block2,
                                                   float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_IndoorWall_v2012"));
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, storeyCount);
    AddInt(call, status);
    AddReal(call, adjacentTemp);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddOutput(call, out24);
    AddReal(call, thisMinusNeighbour);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_Ceiling_v2012(float area, float k, float tn, const float* profile24,
                                                int32_t status, float adjacentTemp, int32_t industry,
                                                float height, float gradient, float* out24,
                                                float temperatureRange, float rate0, float* rate1,
                                                float* rate2, float* block0, float* rate3, float* rate4,
                                                float* rate5, float* block1, float* block2, float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_Ceiling_v2012"));
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, status);
    AddReal(call, adjacentTemp);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddOutput(call, out24);
    AddReal(call, temperatureRange);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_Floor_v2012(float area, float k, float tn, const float* profile24,
                                              int32_t status, float adjacentTemp, int32_t industry,
                                              float height, float gradient, float* out24,
                                              float temperatureRange, float rate0, float* rate1, float* rate2,
                                              float* block0, float* rate3, float* rate4, float* rate5,
                                              float* block1, float* block2, float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_Floor_v2012"));
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, status);
    AddReal(call, adjacentTemp);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddOutput(call, out24);
    AddReal(call, temperatureRange);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_Skylight_Angle_v2012(float area, float k, float tn, const float* profile24,
                                                       int32_t direction, float obliquity, int32_t industry,
                                                       float height, float gradient, float elevation,
                                                       float windSpeed, float* out24, double directionAngle,
                                                       float rate0, float* rate1, float* rate2, float* block0,
                                                       float* rate3, float* rate4, float* rate5,
                                                       float* block1, float* block2, float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_Skylight_Angle_v2012"));
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, direction);
    AddReal(call, obliquity);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddReal(call, elevation);
    AddReal(call, windSpeed);
    AddOutput(call, out24);
    AddReal(call, directionAngle);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_Roof_Angle_v2012(float area, float k, int32_t direction, float obliquity,
                                                   float tn, const float* profile24, int32_t industry,
                                                   float height, float gradient, float elevation,
                                                   float windSpeed, float* out24, double directionAngle,
                                                   float rate0, float* rate1, float* rate2, float* block0,
                                                   float* rate3, float* rate4, float* rate5, float* block1,
                                                   float* block2, float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_Roof_Angle_v2012"));
    AddReal(call, area);
    AddReal(call, k);
    AddInt(call, direction);
    AddReal(call, obliquity);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddReal(call, elevation);
    AddReal(call, windSpeed);
    AddOutput(call, out24);
    AddReal(call, directionAngle);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_BlindStory_v2012(float area, float k, float tn, const float* profile24,
                                                   int32_t industry, float height, float gradient,
                                                   float elevation, float windSpeed, float* out24,
                                                   float rate0, float* rate1, float* rate2, float* block0,
                                                   float* rate3, float* rate4, float* rate5, float* block1,
                                                   float* block2, float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_BlindStory_v2012"));
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddReal(call, elevation);
    AddReal(call, windSpeed);
    AddOutput(call, out24);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_Ground_v2012(float area, float k, float tn, const float* profile24,
                                               int32_t industry, float height, float gradient, float* out24,
                                               float rate0, float* rate1, float* rate2, float* block0,
                                               float* rate3, float* rate4, float* rate5, float* block1,
                                               float* block2, float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_Ground_v2012"));
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddOutput(call, out24);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_BasementWall_v2012(float area, float k, float tn, const float* profile24,
                                                     int32_t industry, float height, float gradient,
                                                     float* out24, float rate0, float* rate1, float* rate2,
                                                     float* block0, float* rate3, float* rate4, float* rate5,
                                                     float* block1, float* block2, float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_BasementWall_v2012"));
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddOutput(call, out24);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_OutFloor_v2012(float area, float k, float tn, const float* profile24,
                                                 int32_t industry, float height, float gradient,
                                                 float elevation, float windSpeed, float* out24, float rate0,
                                                 float* rate1, float* rate2, float* block0, float* rate3,
                                                 float* rate4, float* rate5, float* block1, float* block2,
                                                 float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_OutFloor_v2012"));
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddReal(call, elevation);
    AddReal(call, windSpeed);
    AddOutput(call, out24);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_FengWall_v2012(float area, float k, float tn, const float* profile24,
                                                 int32_t industry, float height, float gradient, float* out24,
                                                 int32_t gapWallType, float rate0, float* rate1, float* rate2,
                                                 float* block0, float* rate3, float* rate4, float* rate5,
                                                 float* block1, float* block2, float* block3)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_FengWall_v2012"));
    AddReal(call, area);
    AddReal(call, k);
    AddReal(call, tn);
    AddInput(call, profile24);
    AddInt(call, industry);
    AddReal(call, height);
    AddReal(call, gradient);
    AddOutput(call, out24);
    AddInt(call, gapWallType);
    AddReal(call, rate0);
    AddOutput(call, rate1);
    AddOutput(call, rate2);
    AddOutput(call, block0);
    AddOutput(call, rate3);
    AddOutput(call, rate4);
    AddOutput(call, rate5);
    AddOutput(call, block1);
    AddOutput(call, block2);
    AddOutput(call, block3);
    FillOutput(call, out24);
    FillOutputN(call, rate1, 1);
    FillOutputN(call, rate2, 1);
    FillOutput(call, block0);
    FillOutputN(call, rate3, 1);
    FillOutputN(call, rate4, 1);
    FillOutputN(call, rate5, 1);
    FillOutput(call, block1);
    FillOutput(call, block2);
    FillOutput(call, block3);
}

void CRecordingCalcLibrary::GetHL_Others(float consumptionWater, const float* sched1,
                                         float consumptionColdObject, const float* sched2,
                                         float consumptionVentilation, const float* sched3,
                                         float consumptionOther, const float* sched4, float emissionEquipment,
                                         const float* sched5, float emissionHotDuct, const float* sched6,
                                         float emissionHotObject, const float* sched7, float emissionOther,
                                         const float* sched8, float* out24)
{
    RecordedCall& call = Begin(QStringLiteral("GetHL_Others"));
    AddReal(call, consumptionWater);
    AddInput(call, sched1);
    AddReal(call, consumptionColdObject);
    AddInput(call, sched2);
    AddReal(call, consumptionVentilation);
    AddInput(call, sched3);
    AddReal(call, consumptionOther);
    AddInput(call, sched4);
    AddReal(call, emissionEquipment);
    AddInput(call, sched5);
    AddReal(call, emissionHotDuct);
    AddInput(call, sched6);
    AddReal(call, emissionHotObject);
    AddInput(call, sched7);
    AddReal(call, emissionOther);
    AddInput(call, sched8);
    AddOutput(call, out24);
    FillOutput(call, out24);
}
