#pragma once
#include "report/engine/CReportTemplate.h"

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

// One laid-out page: its paper and orientation and what is drawn on it, in millimetres from the
// top-left corner of the sheet. Texts are already broken into lines, so every device draws the
// same lines.
class CReportPage
{
public:
    struct SItem
    {
        enum class Kind
        {
            Text,
            Picture
        };
        Kind kind = Kind::Text;
        QRectF rect;
        QStringList lines;
        double lineHeight = 0;
        double padding = 0; // left and right inset of the lines
        CReportTemplate::SFont font;
        CReportTemplate::Align align = CReportTemplate::Align::Left;
        bool border = false;
        QString background;
        QByteArray picture;
    };

    QString paper = QStringLiteral("A4");
    bool landscape = false;
    QSizeF size; // of the sheet as it lies, landscape already turned
    QList<SItem> items;

    // All texts of the page, line by line, in drawing order.
    QStringList Texts() const
    {
        QStringList texts;
        for (const SItem& item : items)
            texts += item.lines;
        return texts;
    }
};
