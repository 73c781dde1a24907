#pragma once
#include <QLineF>
#include <QRgb>
#include <vector>

class CDxfScene;
class QPainter;
class QRect;

// Draws a CDxfScene with a QPainter at one view: drawing point (x, y) lands on pixel
// (x / unitsPerPixel + offsetX, (boxHeight - y) / unitsPerPixel + offsetY). Only what lies in the
// area is drawn, only layers that are shown, lines one pixel wide in their colours, arcs with as
// many segments as their size on the screen needs, and texts of at least three pixels height
// (texts need a QGuiApplication for their fonts; without one they are left out).
// Keeps its line buffers between calls, so redrawing after a zoom step allocates nothing.
class CDxfRenderer
{
public:
    struct SView
    {
        double unitsPerPixel = 1;
        double offsetX = 0;
        double offsetY = 0;
        double boxHeight = 0;
    };

    void Render(const CDxfScene& scene, QPainter& painter, const SView& view, const QRect& area);

private:
    struct SBatch
    {
        QRgb colour;
        std::vector<QLineF> lines;
    };
    std::vector<QLineF>& Lines(QRgb colour);
    void DrawTexts(const CDxfScene& scene, QPainter& painter, const SView& view, const QRect& area);

    std::vector<SBatch> m_batches;
    size_t m_last = 0;
};
