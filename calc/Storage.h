#pragma once

#include "CalcErrors.h"

#include <cmath>

// Every value kept between steps passes here: the real type's range is 2.9e-39 .. 1.7e38.
namespace Storage {

inline constexpr double MaxMagnitude = 1.7e38;
inline constexpr double MinMagnitude = 2.9e-39;

inline double hold(double value)
{
    const double magnitude = std::fabs(value);
    if (std::isnan(value))
        throw EMathError::invalidOp();
    if (magnitude >= MaxMagnitude)
        throw EMathError::overflow();
    if (magnitude < MinMagnitude)
        return 0.0;
    return value;
}

// Quotient with the zero divisor detected rather than trapped (0/0 is the invalid operation).
inline long double divide(long double numerator, long double denominator)
{
    if (denominator == 0.0L)
        throw numerator == 0.0L ? EMathError::invalidOp() : EMathError::zeroDivide();
    return numerator / denominator;
}

// Natural logarithm defined only for positive arguments; ln(0) and ln(<0) are the invalid operation.
inline double ln(double x)
{
    if (!(x > 0.0))
        throw EMathError::invalidOp();
    return std::log(x);
}

// (1 + x)^-n through the logarithm and the exponential. Double is exact enough for the digits
// shown; only a power beyond double's range is taken in extended precision, as the loop step is.
inline long double discount(double x, double n)
{
    const double exponent = -n * ln(1.0 + x);
    if (exponent > 700.0)
        return std::exp(static_cast<long double>(exponent));
    return std::exp(exponent);
}

} // namespace Storage
