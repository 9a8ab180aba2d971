#include "PagePainter.h"

#include <QPainter>
#include <QPicture>
#include <algorithm>

namespace PagePainter {

int recordingResolution()
{
    return QPicture().logicalDpiX();
}

void drawScaled(QPainter& painter, const QPicture& page, const QSizeF& pageUnits,
                const QRectF& target)
{
    if (pageUnits.isEmpty())
        return;
    const qreal scale =
        std::min(target.width() / pageUnits.width(), target.height() / pageUnits.height());
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, page);
    painter.restore();
}

} // namespace PagePainter
