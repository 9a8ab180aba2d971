#pragma once

#include "QRPrintable.h"

// An outline rectangle, or a horizontal rule along the top edge of its box; black, one layout
// unit wide.
class TQRShape : public TQRPrintable {
    Q_OBJECT
public:
    enum class Shape { Rectangle, HorizontalLine };

    explicit TQRShape(TQRBand* band);

    void setShape(Shape shape) { m_shape = shape; }
    Shape shape() const { return m_shape; }

    void print(QPainter& painter, QPointF origin) const override;

private:
    Shape m_shape = Shape::Rectangle;
};
