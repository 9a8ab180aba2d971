#pragma once

#include "DecimalRounding.h"

#include <QString>
#include <cstdint>

// Numbers to text and back, in the forms the loan arithmetic and its displays use.
namespace NumberText {

// General form: at most `precision` significant digits, trailing zeros dropped, fixed notation
// for zero and for magnitudes in [0.0001, 1e15), scientific (1.5E20, 1E-5) otherwise.
QString general(double value, int precision, QChar decimal);

// d.ddd E x with trailing zeros dropped; the general form's scientific notation.
QString scientific(RoundedDecimal rounded, QChar decimal);

// Integer digits and exactly `decimals` fraction digits of a rounded value, without sign.
struct FixedParts {
    std::string integer;
    std::string fraction;
};
FixedParts fixedParts(const RoundedDecimal& rounded, int decimals);

// Whole number in the 32-bit range, blanks around it allowed; otherwise EConvertError.
std::int64_t strToInt(const QString& text);

// Real number with `decimal` as separator and an optional exponent; EConvertError for text
// that is not a number or whose value is beyond the double range.
double strToFloat(const QString& text, QChar decimal);

} // namespace NumberText
