#pragma once
#include <QImage>
#include <QPolygon>
#include <QRegion>
#include <QString>
#include <map>

// The skin picture cache of the skinned controls. Pictures are loaded by file name from the skin
// folder once (a missing file is cached as an empty picture and never retried); copies scaled to a
// control's size and their outlines are cached by "name;width;height;right end" (the corner width
// is not part of the key) and kept until the program ends. The returned pictures stay owned by
// the cache.
class CMyImage
{
public:
    static CMyImage& Instance();

    // The folder the file names are resolved in; by default "skin/" under the program folder.
    QString PictureFolder() const;
    void SetPictureFolder(const QString& folder);

    const QImage& GetNamedBitmap(const QString& name);
    // height -1: three-slice in width only, keeping the source's height; rightEnd -1: the corner.
    const QImage& GetScaledBitmap(const QString& name, int width, int corner, int height, int rightEnd);
    // A region shaped like the non-white part of the scaled picture; empty when it has none.
    QRegion GetOutlineRegion(const QString& name, int width, int corner, int height, int rightEnd);

    // The outline polygon down the left edge of the non-white part and back up its right edge.
    static QPolygon TraceOutlinePoints(const QImage& picture);
    static void ScaleNineSlice(const QImage& source, QImage& target, int corner, int height, int width);
    static void ScaleThreeSlice(const QImage& source, QImage& target, int leftEnd, int width, int rightEnd);

private:
    static QString ScaleKey(const QString& name, int width, int height, int rightEnd);

    QString m_folder;
    std::map<QString, QImage> m_named;
    std::map<QString, QImage> m_scaled;
    std::map<QString, QPolygon> m_outlines;
};
