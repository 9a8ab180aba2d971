#include "Regional.h"

#include <optional>

namespace {

std::optional<QLocale>& current()
{
    static std::optional<QLocale> locale;
    return locale;
}

std::optional<Regional::Symbols>& cache()
{
    static std::optional<Regional::Symbols> symbols;
    return symbols;
}

// The currency form of a locale, with the sentinel number 1 turned into a placeholder.
QString currencyPattern(const QLocale& locale, double sentinel)
{
    QString text = locale.toCurrencyString(sentinel, locale.currencySymbol(), 0);
    const QString one = locale.toString(1);
    const qsizetype at = text.lastIndexOf(one);
    if (at < 0)
        return sentinel < 0 ? QStringLiteral("-%1") : QStringLiteral("%1");
    return text.replace(at, one.size(), QStringLiteral("%1"));
}

Regional::Symbols readSymbols(const QLocale& locale)
{
    Regional::Symbols s;
    s.decimal = locale.decimalPoint().isEmpty() ? QChar('.') : locale.decimalPoint().at(0);
    s.group = locale.groupSeparator();
    s.zero = locale.zeroDigit().size() == 1 ? locale.zeroDigit().at(0) : QChar('0');
    // Group sizes as the locale writes a long number, e.g. 1,234,567,890 or 1,23,45,67,890.
    const QString sample = locale.toString(1234567890LL);
    const qsizetype last = s.group.isEmpty() ? -1 : sample.lastIndexOf(s.group);
    if (last >= 0) {
        s.primaryGroup = static_cast<int>(sample.size() - last - s.group.size());
        const qsizetype previous = sample.lastIndexOf(s.group, last - 1);
        if (previous >= 0)
            s.secondaryGroup = static_cast<int>(last - previous - s.group.size());
        else
            s.secondaryGroup = s.primaryGroup;
    }
    s.positiveCurrency = currencyPattern(locale, 1.0);
    s.negativeCurrency = currencyPattern(locale, -1.0);
    return s;
}

} // namespace

namespace Regional {

QLocale effective(const QLocale& requested)
{
    if (requested.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return requested;
}

QLocale locale()
{
    if (!current())
        current() = effective(QLocale::system());
    return *current();
}

void setLocale(const QLocale& locale)
{
    current() = effective(locale);
    cache().reset();
}

const Symbols& symbols()
{
    if (!cache())
        cache() = readSymbols(locale());
    return *cache();
}

QChar decimalSeparator()
{
    return symbols().decimal;
}

} // namespace Regional
