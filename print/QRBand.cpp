#include "QRBand.h"

#include "QRPrintable.h"
#include "QuickReport.h"

TQRBand::TQRBand(TQuickReport* report, Kind kind, int height)
    : QObject(report)
    , m_kind(kind)
    , m_height(height)
{
}

void TQRBand::print(QPainter& painter, qreal top) const
{
    for (const TQRPrintable* item : m_items)
        item->print(painter, QPointF(0, top));
}
