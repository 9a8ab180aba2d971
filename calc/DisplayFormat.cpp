#include "DisplayFormat.h"
#include "DecimalRounding.h"
#include "NumberText.h"
#include "Regional.h"

namespace {

void appendDigits(QString& out, const std::string& digits, QChar zero)
{
    for (char d : digits)
        out += QChar(zero.unicode() + (d - '0'));
}

QString grouped(const std::string& digits, const Regional::Symbols& s)
{
    QString out;
    int size = static_cast<int>(digits.size());
    // Split from the right: the primary group, then secondary groups.
    std::vector<std::string> groups;
    int end = size;
    int width = s.primaryGroup;
    while (end > 0) {
        const int begin = std::max(0, end - width);
        groups.push_back(digits.substr(begin, end - begin));
        end = begin;
        width = s.secondaryGroup;
    }
    for (auto it = groups.rbegin(); it != groups.rend(); ++it) {
        if (it != groups.rbegin())
            out += s.group;
        appendDigits(out, *it, s.zero);
    }
    return out;
}

} // namespace

namespace DisplayFormat {

QString currency(double value)
{
    const Regional::Symbols& s = Regional::symbols();
    const RoundedDecimal rounded = roundHalfAway(value, 10, 2);
    if (!rounded.isZero() && rounded.leadingExponent() >= 10)
        return NumberText::scientific(rounded, s.decimal);
    const NumberText::FixedParts parts = NumberText::fixedParts(rounded, 2);
    QString number = grouped(parts.integer, s);
    number += s.decimal;
    appendDigits(number, parts.fraction, s.zero);
    const QString& pattern =
        rounded.negative && !rounded.isZero() ? s.negativeCurrency : s.positiveCurrency;
    return QString(pattern).replace(QLatin1String("%1"), number);
}

QString percent(double value)
{
    const QChar decimal = Regional::decimalSeparator();
    const RoundedDecimal rounded = roundHalfAway(value, 5, 3);
    QString text(QLatin1Char(' '));
    if (!rounded.isZero() && rounded.leadingExponent() >= 5) {
        text += NumberText::scientific(rounded, decimal);
    } else {
        const NumberText::FixedParts parts = NumberText::fixedParts(rounded, 3);
        if (rounded.negative && !rounded.isZero())
            text += QLatin1Char('-');
        text += QLatin1String(parts.integer.data(), parts.integer.size());
        text += decimal;
        text += QLatin1String(parts.fraction.data(), parts.fraction.size());
    }
    text += QLatin1Char('%');
    return text;
}

} // namespace DisplayFormat
