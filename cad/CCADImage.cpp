#include "cad/CCADImage.h"

#include "cad/CDxfDocument.h"
#include "cad/CDxfReader.h"
#include "cad/CDxfRenderer.h"
#include "cad/CDxfScene.h"
#include "cad/CDxfSnapIndex.h"
#include "platform/core/CTool.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kSnapPixels = 10;
constexpr double kMaxDrawnPixels = 1 << 30;
constexpr double kInchesPerMillimetre = 0.039370078740157;

// Truncated toward zero to whole pixels; a value a hair below a whole number (a fitted width
// of 799.9999999) counts as that number.
int Whole(double pixels)
{
    constexpr double kLimit = 2147483647.0;
    return int(std::clamp(std::trunc(pixels + (pixels >= 0 ? 1e-6 : -1e-6)), -kLimit, kLimit));
}
} // namespace

CCADImage::CCADImage() : m_renderer(std::make_unique<CDxfRenderer>())
{
    ResetView();
}

CCADImage::~CCADImage() = default;

void CCADImage::ResetView()
{
    m_scale = 1;
    offsetX = 0;
    offsetY = 0;
    UpdateUnitsPerPixel();
}

bool CCADImage::Open(const QString& path)
{
    Close();
    m_lastError.clear();
    CDxfReader::SResult read = CDxfReader::Read(path);
    auto scene = std::make_unique<CDxfScene>();
    QString fault = read.reason;
    if (read.status == CDxfReader::Status::Ok && !scene->Build(*read.document, fault))
        read.status = CDxfReader::Status::Damaged;
    if (read.status != CDxfReader::Status::Ok) {
        m_lastError = QStringLiteral("CAD文件读取失败！\n%1").arg(fault);
        if (CTool::Exists())
            CTool::Current().ShowMessageBox(QStringLiteral("错误"), m_lastError, 6, 1);
        return false;
    }
    m_scene = std::move(scene);
    m_units = m_scene->Units();
    UpdatePixelSize();
    m_boxWidth = m_scene->BoxWidth();
    m_boxHeight = m_scene->BoxHeight();
    m_aspect = m_boxWidth / m_boxHeight;
    UpdateUnitsPerPixel();
    return true;
}

void CCADImage::Close()
{
    m_snap.reset();
    m_scene.reset();
}

void CCADImage::UpdatePixelSize()
{
    double millimetres = 25.4 / 96;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            if (screen->geometry().width() > 0 && screen->physicalSize().width() > 0)
                millimetres = screen->physicalSize().width() / screen->geometry().width();
    m_pixelSize = m_units == 1 ? millimetres : millimetres * kInchesPerMillimetre;
    UpdateUnitsPerPixel();
}

// The drawn width in whole pixels decides u, so that the drawing and the conversions agree to
// the pixel; it depends on the scale only, not on where the drawing lies.
void CCADImage::UpdateUnitsPerPixel()
{
    if (!(m_boxWidth > 0)) {
        m_unitsPerPixel = 1;
        return;
    }
    const double drawn =
        std::max(1.0, double(Whole(std::min(m_boxWidth / m_pixelSize * m_scale, kMaxDrawnPixels))));
    m_unitsPerPixel = m_boxWidth / drawn;
}

void CCADImage::Draw(QPainter& painter)
{
    if (!m_scene || !painter.device())
        return;
    const QRect area(0, 0, painter.device()->width(), painter.device()->height());
    m_renderer->Render(*m_scene, painter, {m_unitsPerPixel, double(offsetX), double(offsetY), m_boxHeight},
                       area);
}

QSize CCADImage::GetDrawnSize() const
{
    const int width = Whole(std::min(m_boxWidth / m_pixelSize * m_scale, kMaxDrawnPixels));
    return {width, Whole(width / m_aspect)};
}

bool CCADImage::Contains(const QPoint& point) const
{
    const QSize size = GetDrawnSize();
    return offsetX <= point.x() && point.x() <= offsetX + size.width() && offsetY <= point.y() &&
           point.y() <= offsetY + size.height();
}

double CCADImage::ScreenToDrawingX(double x) const
{
    return (x - offsetX) * m_unitsPerPixel;
}

double CCADImage::ScreenToDrawingY(double y) const
{
    return m_boxHeight - (y - offsetY) * m_unitsPerPixel;
}

double CCADImage::DrawingToScreenX(double x) const
{
    return x / m_unitsPerPixel + offsetX;
}

double CCADImage::DrawingToScreenY(double y) const
{
    return (m_boxHeight - y) / m_unitsPerPixel + offsetY;
}

void CCADImage::Zoom(int amount, const QPoint& point)
{
    const int steps = std::abs(amount / 4);
    const double factor = amount > 0 ? 1.04 : 0.96;
    double scale = m_scale;
    for (int i = 0; i < steps; ++i)
        scale *= factor;
    if (scale == 0)
        scale = 1e-19;
    if (scale > MaxScale())
        return;
    // The pixel size changes by the ratio of the units per pixel, which follow the whole pixels
    // of the drawn width; scaling the offsets by that ratio keeps the point under the pixel.
    const double oldUnitsPerPixel = m_unitsPerPixel;
    m_scale = scale;
    UpdateUnitsPerPixel();
    const double r = oldUnitsPerPixel / m_unitsPerPixel;
    offsetX = Whole(point.x() + r * double(offsetX - point.x()));
    offsetY = Whole(point.y() + r * double(offsetY - point.y()));
}

void CCADImage::FitAll(int height, int width)
{
    if (m_scene && height > 0 && width > 0)
        CentreAt(std::min(width / (m_boxWidth / m_pixelSize), height / (m_boxHeight / m_pixelSize)), height,
                 width);
}

void CCADImage::FitHeight(int height, int width)
{
    if (m_scene && height > 0 && width > 0)
        CentreAt(height / (m_boxHeight / m_pixelSize), height, width);
}

void CCADImage::FitWidth(int height, int width)
{
    if (m_scene && height > 0 && width > 0)
        CentreAt(width / (m_boxWidth / m_pixelSize), height, width);
}

void CCADImage::CentreAt(double scale, int height, int width)
{
    m_scale = std::min(scale, MaxScale());
    offsetX = Whole((width - m_boxWidth / m_pixelSize * m_scale) / 2);
    offsetY = Whole((height - m_boxHeight / m_pixelSize * m_scale) / 2);
    UpdateUnitsPerPixel();
}

void CCADImage::FitRect(int height, int width, int left, int top, int right, int bottom)
{
    if (!m_scene || height <= 0 || width <= 0)
        return;
    const double p = m_pixelSize;
    const double rw = right - left;
    const double rh = std::trunc(std::fabs(double(bottom) - top));
    const double d = std::trunc(m_boxHeight - top);
    m_scale = std::min({width / (rw / p + 4), height / (rh / p + 4), MaxScale()});
    offsetX = Whole((width - rw / p * m_scale) / 2 - m_scale * left / p);
    offsetY = Whole((height - rh / p * m_scale) / 2 - m_scale * d / p);
    UpdateUnitsPerPixel();
}

double CCADImage::MaxScale() const
{
    return kMaxDrawnPixels * m_pixelSize / m_boxWidth;
}

bool CCADImage::Snap(QPointF& point, double radius, QString* text) const
{
    if (!m_snap)
        m_snap = std::make_unique<CDxfSnapIndex>(*m_scene);
    CDxfSnapIndex::SHit hit;
    if (!m_snap->Nearest(point, radius, hit))
        return false;
    point = hit.point;
    if (text)
        *text = hit.description;
    return true;
}

bool CCADImage::GetEntityText(QPoint& point, QString& text) const
{
    if (!m_scene)
        return false;
    text.clear();
    const double u = m_unitsPerPixel;
    QPointF drawing(point.x() * u, m_boxHeight - point.y() * u);
    if (Snap(drawing, kSnapPixels * u, &text))
        point = QPoint(int(std::lround(drawing.x() / u)), int(std::lround((m_boxHeight - drawing.y()) / u)));
    return true;
}

bool CCADImage::SnapToEntity(CCADPoint& point) const
{
    if (!m_scene)
        return false;
    QPointF drawing(point.x, point.y);
    if (!Snap(drawing, kSnapPixels * m_unitsPerPixel, nullptr))
        return false;
    point = {drawing.x(), drawing.y()};
    return true;
}

int CCADImage::GetLayerCount() const
{
    return m_scene ? int(m_scene->Layers().size()) : 0;
}

QString CCADImage::GetLayerName(int index) const
{
    if (index < 0 || index >= GetLayerCount())
        return QString();
    return m_scene->Layers()[size_t(index)].name;
}

bool CCADImage::IsLayerVisible(int index) const
{
    return index >= 0 && index < GetLayerCount() && m_scene->Layers()[size_t(index)].visible;
}

void CCADImage::SetLayerVisible(int index, bool visible)
{
    if (m_scene)
        m_scene->SetLayerVisible(index, visible);
}
