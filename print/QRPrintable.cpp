#include "QRPrintable.h"

#include "QRBand.h"

TQRPrintable::TQRPrintable(TQRBand* band)
    : QObject(band)
{
    band->addItem(this);
}

void TQRPrintable::setGeometry(int left, int top, int width, int height)
{
    m_geometry = QRect(left, top, width, height);
}
