#pragma once
#include "cad/model/CCADPoint.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>

class CDxfRenderer;
class CDxfScene;
class CDxfSnapIndex;
class QPainter;

// The drawing underlay of the CAD modelling window: one DXF drawing, the view on it (scale and
// the pixel position of the drawing's top-left corner), the conversions between pixels and
// drawing coordinates, zooming, fitting, layers and the snap to the drawing.
//
// Drawing coordinates are measured from the lower-left corner of the drawing's box, x to the
// right from 0 to the box width, y upwards from 0 to the box height, in the drawing's units.
// Pixels have y downwards. Scale 1 shows the drawing at its real size on the screen when its
// unit is the millimetre (the inch for imperial drawings); u, the drawing units per pixel, is
// box width / whole pixels of the drawn width (at least one pixel):
//   ScreenToDrawingX(x) = (x - offsetX) * u     ScreenToDrawingY(y) = boxHeight - (y - offsetY) * u
//   DrawingToScreenX(x) = x / u + offsetX        DrawingToScreenY(y) = (boxHeight - y) / u + offsetY
class CCADImage
{
public:
    CCADImage();
    ~CCADImage();
    CCADImage(const CCADImage&) = delete;
    CCADImage& operator=(const CCADImage&) = delete;

    // Pixel position of the drawing's top-left corner; the window pans by changing them.
    int offsetX = 0;
    int offsetY = 0;

    // Scale 1, offset (0, 0).
    void ResetView();
    // Closes the open drawing and reads the file. A drawing that cannot be read (DWG, binary
    // DXF, damaged, truncated, nothing to show) is refused: the message box "CAD文件读取失败！"
    // with the reason (caption "错误") and false; no drawing is open then. The view is kept.
    bool Open(const QString& path);
    void Close();
    bool IsOpen() const { return m_scene != nullptr; }
    // The reason the last Open failed, as shown to the user; empty after a success.
    const QString& LastError() const { return m_lastError; }

    // Millimetres (inches for imperial drawings) per screen pixel, from the primary screen's
    // physical size; 96 pixels per inch without a screen.
    void UpdatePixelSize();
    double PixelSize() const { return m_pixelSize; }
    // 1 metric, 0 imperial.
    int Units() const { return m_units; }
    double Scale() const { return m_scale; }
    double UnitsPerPixel() const { return m_unitsPerPixel; }

    // Renders the drawing at the current view onto the painter's device (the caller fills the
    // background); nothing without a drawing.
    void Draw(QPainter& painter);
    // Whether the pixel lies on the drawn drawing.
    bool Contains(const QPoint& point) const;
    // Width and height in pixels of the whole drawing at the current scale (truncated).
    QSize GetDrawnSize() const;

    double ScreenToDrawingX(double x) const;
    double ScreenToDrawingY(double y) const;
    double DrawingToScreenX(double x) const;
    double DrawingToScreenY(double y) const;
    double PixelsToDrawing(double length) const { return length * m_unitsPerPixel; }
    double DrawingToPixels(double length) const { return length / m_unitsPerPixel; }
    double GetBoxWidth() const { return m_boxWidth; }
    double GetBoxHeight() const { return m_boxHeight; }

    // Zooms about the pixel: |amount / 4| steps (integer division), each of 1.04 when the amount
    // is positive and 0.96 otherwise; the drawing point under the pixel stays under it (up to
    // whole pixels). A step that would make the drawing wider than 2^30 pixels is not taken.
    void Zoom(int amount, const QPoint& point);
    // Fit the whole drawing, its height or its width into a view of height x width pixels and
    // centre it.
    void FitAll(int height, int width);
    void FitHeight(int height, int width);
    void FitWidth(int height, int width);
    // Fits the rectangle (drawing coordinates, top > bottom) into the view, with a margin of two
    // pixels at scale 1 on every side, and centres it.
    void FitRect(int height, int width, int left, int top, int right, int bottom);

    // The point, in pixels relative to the drawn drawing's top-left corner, is moved onto the
    // nearest point of the drawing within 10 pixels (a vertex when one is that near) and text
    // describes what it lies on; both stay as they are (text empty) when nothing is that near.
    // False only without a drawing.
    bool GetEntityText(QPoint& point, QString& text) const;
    // Moves a drawing point exactly onto the drawing (the nearest vertex, else the nearest
    // point of a line or arc) within 10 pixels at the current view; false when nothing is that
    // near or no drawing is open. The view is not changed.
    bool SnapToEntity(CCADPoint& point) const;

    // Layers of the drawing in the order of its layer table; 0 and empty without a drawing.
    int GetLayerCount() const;
    QString GetLayerName(int index) const;
    // Layers switched off or frozen in the drawing start hidden.
    bool IsLayerVisible(int index) const;
    void SetLayerVisible(int index, bool visible);

private:
    void UpdateUnitsPerPixel();
    void CentreAt(double scale, int height, int width);
    // The scale at which the drawing is 2^30 pixels wide; no view goes beyond it.
    double MaxScale() const;
    bool Snap(QPointF& point, double radius, QString* text) const;

    std::unique_ptr<CDxfScene> m_scene;
    std::unique_ptr<CDxfRenderer> m_renderer;
    mutable std::unique_ptr<CDxfSnapIndex> m_snap;
    QString m_lastError;
    int m_units = 1;
    double m_pixelSize = 25.4 / 96;
    double m_boxWidth = 0;
    double m_boxHeight = 0;
    double m_aspect = 1;
    double m_scale = 1;
    double m_unitsPerPixel = 1;
};
