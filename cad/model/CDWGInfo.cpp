#include "cad/model/CDWGInfo.h"

#include "cad/model/CCADFileReader.h"
#include "cad/model/CCADFileWriter.h"

namespace {
constexpr double kLengthFactors[CDWGInfo::UnitCount] = {0.001, 0.01, 0.1, 1, 0.0254, 0.3048};
constexpr double kAreaFactors[CDWGInfo::UnitCount] = {0.000001, 0.0001, 0.01, 1, 0.0006452, 0.092903};
} // namespace

double CDWGInfo::LengthFactor(int unit)
{
    return unit >= 0 && unit < UnitCount ? kLengthFactors[unit] : 0;
}

double CDWGInfo::AreaFactor(int unit)
{
    return unit >= 0 && unit < UnitCount ? kAreaFactors[unit] : 0;
}

void CDWGInfo::Read(CCADFileReader& file)
{
    fileName = file.ReadString();
    north = file.ReadInt();
    // Every length and area of the storey is measured through the unit, so an unknown one means
    // the record cannot be trusted.
    const qint64 unitOffset = file.Offset();
    unit = file.ReadInt();
    if (unit < 0 || unit >= UnitCount)
        file.Fail(unitOffset, QStringLiteral("的图纸单位%1无效").arg(unit));
    originX = file.ReadDouble();
    originY = file.ReadDouble();
}

void CDWGInfo::Write(CCADFileWriter& file) const
{
    file.WriteString(fileName);
    file.WriteInt(north);
    file.WriteInt(unit);
    file.WriteDouble(originX);
    file.WriteDouble(originY);
}
