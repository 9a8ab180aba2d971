#include "QRShape.h"

#include <QPainter>

TQRShape::TQRShape(TQRBand* band)
    : TQRPrintable(band)
{
}

void TQRShape::print(QPainter& painter, QPointF origin) const
{
    const QRectF box(origin + QPointF(geometry().topLeft()), QSizeF(geometry().size()));
    if (m_shape == Shape::HorizontalLine) {
        painter.fillRect(QRectF(box.topLeft(), QSizeF(box.width(), 1.0)), Qt::black);
        return;
    }
    // The outline covers the box's outer unit, as the pen's centre runs half a unit inside.
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
}
