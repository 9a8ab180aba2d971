#pragma once

#include <QLocale>
#include <QString>

// The regional settings numbers are shown and read with: the system's, or United States
// conventions where the system has none (the C/POSIX locale).
namespace Regional {

QLocale locale();
void setLocale(const QLocale& locale);
QLocale effective(const QLocale& requested);

struct Symbols {
    QChar decimal;
    QString group;
    int primaryGroup = 3;
    int secondaryGroup = 3;
    QChar zero;
    QString positiveCurrency; // pattern holding %1 where the number goes
    QString negativeCurrency;
};

// Cached symbols of the current locale.
const Symbols& symbols();
QChar decimalSeparator();

} // namespace Regional
