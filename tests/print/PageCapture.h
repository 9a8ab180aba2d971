#pragma once

#include <QColor>
#include <QList>
#include <QPicture>
#include <QRectF>
#include <QString>

// What a page draws, read back by playing it on a recording device: text runs with their
// place and font, and rectangles (outlines and filled rules), in page layout units.
struct DrawnText {
    QString text;
    QPointF topLeft; // left end of the baseline, less the font's ascent
    int pixelSize = 0;
    bool bold = false;
    QColor color;
};

struct DrawnRect {
    QRectF rect;
    bool filled = false;
};

struct PageContent {
    QList<DrawnText> texts;
    QList<DrawnRect> rects;

    // Text runs whose top lies in [top, bottom), joined per line, left to right.
    QStringList lines(qreal top, qreal bottom) const;
    // The first run with exactly this text, or null.
    const DrawnText* find(const QString& text) const;
    int outlines() const;
};

PageContent capturePage(const QPicture& page);
