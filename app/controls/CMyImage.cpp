#include "app/controls/CMyImage.h"

#include "platform/core/CProgramFolder.h"

#include <QFileInfo>
#include <QPainter>

CMyImage& CMyImage::Instance()
{
    static CMyImage cache;
    return cache;
}

QString CMyImage::PictureFolder() const
{
    return m_folder.isEmpty() ? CProgramFolder::Resolve(QStringLiteral("skin")) + QLatin1Char('/') : m_folder;
}

void CMyImage::SetPictureFolder(const QString& folder)
{
    m_folder = folder.endsWith(QLatin1Char('/')) || folder.isEmpty() ? folder : folder + QLatin1Char('/');
}

QString CMyImage::ScaleKey(const QString& name, int width, int height, int rightEnd)
{
    return QStringLiteral("%1;%2;%3;%4").arg(name).arg(width).arg(height).arg(rightEnd);
}

const QImage& CMyImage::GetNamedBitmap(const QString& name)
{
    auto found = m_named.find(name);
    if (found == m_named.end()) {
        QImage picture;
        const QString path = PictureFolder() + name;
        if (QFileInfo::exists(path))
            picture.load(path);
        found = m_named.emplace(name, picture.convertToFormat(QImage::Format_RGB32)).first;
    }
    return found->second;
}

const QImage& CMyImage::GetScaledBitmap(const QString& name, int width, int corner, int height, int rightEnd)
{
    const QString key = ScaleKey(name, width, height, rightEnd);
    auto found = m_scaled.find(key);
    if (found == m_scaled.end()) {
        const QImage& source = GetNamedBitmap(name);
        QImage target;
        if (height != -1)
            ScaleNineSlice(source, target, corner, height, width);
        else
            ScaleThreeSlice(source, target, corner, width, rightEnd == -1 ? corner : rightEnd);
        found = m_scaled.emplace(key, target).first;
    }
    return found->second;
}

QRegion CMyImage::GetOutlineRegion(const QString& name, int width, int corner, int height, int rightEnd)
{
    const QString key = ScaleKey(name, width, height, rightEnd);
    auto found = m_outlines.find(key);
    if (found == m_outlines.end())
        found = m_outlines
                    .emplace(key, TraceOutlinePoints(GetScaledBitmap(name, width, corner, height, rightEnd)))
                    .first;
    return QRegion(found->second, Qt::WindingFill);
}

namespace {
bool Inside(const QImage& picture, int x, int y)
{
    return (picture.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
}
} // namespace

QPolygon CMyImage::TraceOutlinePoints(const QImage& picture)
{
    QPolygon points;
    if (picture.isNull())
        return points;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!Inside(image, x, y))
                continue;
            if (points.isEmpty())
                points << QPoint(x, y - 1);
            points << QPoint(x, y);
            break;
        }
    }
    if (points.isEmpty())
        return points;
    points << QPoint(points.last().x(), points.last().y() + 1);
    bool first = true;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = image.width() - 1; x >= 0; --x) {
            if (!Inside(image, x, y))
                continue;
            if (first)
                points << QPoint(x + 1, y + 1);
            first = false;
            points << QPoint(x + 1, y);
            break;
        }
    }
    points << QPoint(points.last().x(), points.last().y() - 1);
    return points;
}

namespace {
void Stretch(QPainter& painter, const QImage& source, const QRect& from, const QRect& to)
{
    if (from.isEmpty() || to.isEmpty())
        return;
    painter.drawImage(to, source, from);
}

// A rectangle given by its edges, right and bottom excluded.
QRect Edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}
} // namespace

void CMyImage::ScaleNineSlice(const QImage& source, QImage& target, int c, int h, int w)
{
    target = QImage(qMax(w, 0), qMax(h, 0), QImage::Format_RGB32);
    target.fill(Qt::white);
    if (target.isNull() || source.isNull())
        return;
    const int sw = source.width();
    const int sh = source.height();
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    Stretch(painter, source, Edges(0, 0, c, c), Edges(0, 0, c, c));
    Stretch(painter, source, Edges(0, c, c, sh - c), Edges(0, c, c, h - c));
    Stretch(painter, source, Edges(sw - c, c, sw, sh - c), Edges(w - c, c, w, h - c));
    Stretch(painter, source, Edges(c, 0, sw - c, c), Edges(c, 0, w - c, c));
    Stretch(painter, source, Edges(c, sh - c, sw - c, sh), Edges(c, h - c, w - c, h));
    Stretch(painter, source, Edges(sw - c, 0, sw, c), Edges(w - c, 0, w, c));
    Stretch(painter, source, Edges(0, sh - c, c, sh), Edges(0, h - c, c, h));
    Stretch(painter, source, Edges(sw - c, sh - c, sw, sh), Edges(w - c, h - c, w, h));
    Stretch(painter, source, Edges(c, c, sw - c, sh - c), Edges(c, c, w - c, h - c));
}

void CMyImage::ScaleThreeSlice(const QImage& source, QImage& target, int l, int w, int r)
{
    const int h = source.height();
    target = QImage(qMax(w, 0), h, QImage::Format_RGB32);
    if (target.isNull())
        return;
    target.fill(Qt::white);
    const int sw = source.width();
    QPainter painter(&target);
    if (l > 0)
        Stretch(painter, source, Edges(0, 0, l, h), Edges(0, 0, l, h));
    if (r > 0)
        Stretch(painter, source, Edges(sw - r, 0, sw, h), Edges(w - r, 0, w, h));
    Stretch(painter, source, Edges(l, 0, sw - r, h), Edges(l, 0, w - r, h));
}
