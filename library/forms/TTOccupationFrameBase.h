#pragma once
#include "library/forms/TTMaterial_BaseForm.h"

// What the room-use and storey-use frames share: the design conditions, load indexes and labour
// type, the first 26 columns of both tables, laid out in three column pairs from row 0 of the grid.
class TTOccupationFrameBase : public TTMaterial_BaseForm
{
    Q_OBJECT
protected:
    // The captions of people density and fresh-air supply differ: a room use keeps their units
    // in lists of their own.
    TTOccupationFrameBase(QWidget* owner, const QSize& designSize, const QString& peopleDensityCaption,
                          const QString& outsideAirCaption);

    QGridLayout* m_grid;
    int m_nextRow = 0; // the first grid row below the shared fields
};
