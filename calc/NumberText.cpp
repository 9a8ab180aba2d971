#include "NumberText.h"
#include "CalcErrors.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace NumberText {

QString scientific(RoundedDecimal rounded, QChar decimal)
{
    rounded.dropTrailingZeros();
    QString text;
    if (rounded.negative)
        text += QLatin1Char('-');
    text += QLatin1Char(rounded.digits[0]);
    if (rounded.digits.size() > 1) {
        text += decimal;
        text += QLatin1String(rounded.digits.data() + 1, rounded.digits.size() - 1);
    }
    text += QLatin1Char('E');
    text += QString::number(rounded.leadingExponent());
    return text;
}

FixedParts fixedParts(const RoundedDecimal& rounded, int decimals)
{
    const int size = static_cast<int>(rounded.digits.size());
    const int integerCount = size + rounded.lastExponent; // digits left of the point
    FixedParts parts;
    if (integerCount <= 0)
        parts.integer = "0";
    else if (integerCount >= size)
        parts.integer = rounded.digits + std::string(integerCount - size, '0');
    else
        parts.integer = rounded.digits.substr(0, integerCount);
    if (integerCount < 0)
        parts.fraction = std::string(-integerCount, '0') + rounded.digits;
    else if (integerCount < size)
        parts.fraction = rounded.digits.substr(integerCount);
    parts.fraction.resize(decimals, '0');
    return parts;
}

QString general(double value, int precision, QChar decimal)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    RoundedDecimal rounded = roundHalfAway(value, precision, std::numeric_limits<int>::max() / 2);
    if (rounded.isZero())
        return QStringLiteral("0");
    rounded.dropTrailingZeros();
    const int x = rounded.leadingExponent();
    if (x < -4 || x >= 15)
        return scientific(rounded, decimal);
    const int decimals = std::max(0, -rounded.lastExponent);
    const FixedParts parts = fixedParts(rounded, decimals);
    QString text;
    if (rounded.negative)
        text += QLatin1Char('-');
    text += QLatin1String(parts.integer.data(), parts.integer.size());
    if (decimals > 0) {
        text += decimal;
        text += QLatin1String(parts.fraction.data(), parts.fraction.size());
    }
    return text;
}

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The text between leading and trailing blanks.
QStringView trimmedBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return QStringView(text).mid(begin, end - begin);
}

locale_t cLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

} // namespace

std::int64_t strToInt(const QString& text)
{
    const QStringView s = trimmedBlanks(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+')))
        negative = s[i++] == QLatin1Char('-');
    if (i == s.size())
        throw EConvertError::notInteger(text);
    std::int64_t value = 0;
    for (; i < s.size(); ++i) {
        if (!isDigit(s[i]))
            throw EConvertError::notInteger(text);
        value = value * 10 + (s[i].unicode() - '0');
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            throw EConvertError::notInteger(text);
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max())
        throw EConvertError::notInteger(text);
    return value;
}

double strToFloat(const QString& text, QChar decimal)
{
    const QStringView s = trimmedBlanks(text);
    std::string c;
    c.reserve(s.size());
    qsizetype i = 0;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+')))
        c.push_back(static_cast<char>(s[i++].unicode()));
    int mantissaDigits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i, ++mantissaDigits)
        c.push_back(static_cast<char>(s[i].unicode()));
    if (i < s.size() && s[i] == decimal) {
        c.push_back('.');
        for (++i; i < s.size() && isDigit(s[i]); ++i, ++mantissaDigits)
            c.push_back(static_cast<char>(s[i].unicode()));
    }
    if (mantissaDigits == 0)
        throw EConvertError::notFloat(text);
    if (i < s.size() && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        c.push_back('e');
        ++i;
        if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+')))
            c.push_back(static_cast<char>(s[i++].unicode()));
        int exponentDigits = 0;
        for (; i < s.size() && isDigit(s[i]); ++i, ++exponentDigits)
            c.push_back(static_cast<char>(s[i].unicode()));
        if (exponentDigits == 0)
            throw EConvertError::notFloat(text);
    }
    if (i != s.size())
        throw EConvertError::notFloat(text);
    // The shape is checked above; strtod_l only rounds it, independent of the process locale.
    const double value = strtod_l(c.c_str(), nullptr, cLocale());
    if (!std::isfinite(value))
        throw EConvertError::notFloat(text);
    return value;
}

} // namespace NumberText
