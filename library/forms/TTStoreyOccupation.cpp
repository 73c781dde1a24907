#include "library/forms/TTStoreyOccupation.h"

#include <QGridLayout>

TTStoreyOccupation::TTStoreyOccupation(QWidget* owner)
    : TTOccupationFrameBase(owner, {462, 361}, QStringLiteral("人员密度值,人/m^2"), QStringLiteral("新风供应量值,m^3/h.人"))
{
    setObjectName(QStringLiteral("TStoreyOccupation"));
    m_grid->setRowStretch(m_nextRow, 1);
    FitDesignSize();
}
