#pragma once

#include <QObject>
#include <QRect>

class QPainter;
class TQRBand;

// An item of a report band, placed in layout units from the band's top left.
class TQRPrintable : public QObject {
    Q_OBJECT
public:
    explicit TQRPrintable(TQRBand* band);

    void setGeometry(int left, int top, int width, int height);
    QRect geometry() const { return m_geometry; }

    // Draws the item for a band whose top left is at `origin`.
    virtual void print(QPainter& painter, QPointF origin) const = 0;

private:
    QRect m_geometry;
};
