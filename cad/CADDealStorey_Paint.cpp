#include "cad/CADDealStorey.h"

void CADDealStorey::Draw(const CCADImage& underlay, QPainter& painter)
{
    m_outline.DrawPolygon(underlay, painter, QString());
    int index = 0;
    for (auto* node = m_roomDrawings.NodeAt(0); node; node = node->next, ++index) {
        const CCADAreaInfo* room = m_rooms.Get(index);
        node->item->DrawPolygon(underlay, painter, room ? room->name : QString());
    }
}
