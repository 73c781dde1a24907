#pragma once
#include "model/CEnvelopeElement.h"

#include <QString>

class CEleAttrs;

// Common part of the horizontal and sloped envelope elements (ceilings, floors, roofs, sky windows,
// blind storeys, glass roofs, ground slabs, projection floors): the size is a length and a width,
// or an area, and most of them start with the size of the room they belong to.
class CSlabElement : public CEnvelopeElement
{
public:
    using CEnvelopeElement::CEnvelopeElement;

    double Width = 0; // m

protected:
    // "IsLWInputArea", "Length", "Width", "Area", in that order.
    void ExchangeSize(CEleAttrs& attrs);
    // The size input 0 and the size 0; with fromRoom, then the size input, length, width and area
    // of the room above the element's tree node (all 0 without a node or without a room).
    void SetSizeDefaults(bool fromRoom);
};
