#include "QRSysData.h"

#include "Regional.h"

TQRSysData::TQRSysData(TQRBand* band)
    : TQRLabel(band)
{
}

QString TQRSysData::printText() const
{
    return dateTimeText(text(), QDateTime::currentDateTime(), Regional::locale());
}

QString TQRSysData::dateTimeText(const QString& prefix, const QDateTime& moment,
                                 const QLocale& locale)
{
    return prefix + locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(moment.time(), QLocale::LongFormat);
}
