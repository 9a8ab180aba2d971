#include "PageGeometry.h"

#include <QLocale>
#include <QPageSize>

PageGeometry PageGeometry::fromLayout(const QPageLayout& layout)
{
    // Points are 1/72 inch; layout units are 1/96.
    constexpr qreal unitsPerPoint = UnitsPerInch / 72.0;
    const QRectF full = layout.fullRectPoints();
    const QRectF paint = layout.paintRectPoints();
    PageGeometry page;
    page.paper = full.size() * unitsPerPoint;
    page.printable = QRectF(paint.topLeft() * unitsPerPoint, paint.size() * unitsPerPoint);
    return page;
}

QPageLayout PageGeometry::fallbackLayout(const QLocale& locale)
{
    const QPageSize paper(locale.measurementSystem() == QLocale::ImperialUSSystem
                              ? QPageSize::Letter
                              : QPageSize::A4);
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0.25, 0.25, 0.25, 0.25),
                       QPageLayout::Inch);
}
