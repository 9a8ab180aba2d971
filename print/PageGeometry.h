#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QSizeF>

class QLocale;

// A sheet of paper and the area a printer can mark on it, in layout units of 1/96 inch.
struct PageGeometry {
    static constexpr qreal UnitsPerInch = 96.0;

    QSizeF paper;
    QRectF printable;

    static PageGeometry fromLayout(const QPageLayout& layout);
    // The page used without a printer: the locale's usual paper, portrait, quarter-inch margins.
    static QPageLayout fallbackLayout(const QLocale& locale);

    bool operator==(const PageGeometry&) const = default;
};
