#pragma once

#include "QRLabel.h"

#include <QDateTime>
#include <QLocale>

// The date-time item: its fixed text followed by the date and time at the moment of layout,
// in the regional short date and long time formats.
class TQRSysData : public TQRLabel {
    Q_OBJECT
public:
    explicit TQRSysData(TQRBand* band);

    QString printText() const override;

    // `prefix`, then the short date, a space and the long time of `moment` in `locale`.
    static QString dateTimeText(const QString& prefix, const QDateTime& moment,
                                const QLocale& locale);
};
