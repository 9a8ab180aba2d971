#include "DecimalRounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// Significant digits of |value| (correctly rounded to `precision` digits) and the exponent
// of the first one.
struct Scientific {
    std::string digits;
    int exponent;
};

Scientific scientific(double magnitude, int precision)
{
    std::string buffer(precision + 32, '\0');
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                std::chars_format::scientific, precision - 1);
    buffer.resize(result.ptr - buffer.data());
    const auto e = buffer.find('e');
    Scientific out;
    out.exponent = std::atoi(buffer.c_str() + e + 1);
    for (std::size_t i = 0; i < e; ++i) {
        if (buffer[i] != '.')
            out.digits.push_back(buffer[i]);
    }
    return out;
}

// A double's exact decimal expansion has at most 767 significant digits.
constexpr int ExactPrecision = 780;
constexpr int WorkingPrecision = 17;

void incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Tail compared with one half unit of the last kept digit: -1 below, 0 equal, 1 above.
int compareTailWithHalf(const std::string& tail)
{
    if (tail.empty())
        return -1;
    if (tail[0] != '5')
        return tail[0] > '5' ? 1 : -1;
    return std::all_of(tail.begin() + 1, tail.end(), [](char c) { return c == '0'; }) ? 0 : 1;
}

} // namespace

void RoundedDecimal::dropTrailingZeros()
{
    if (isZero())
        return;
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++lastExponent;
    }
}

RoundedDecimal roundHalfAway(double value, int maxSignificant, int maxDecimals)
{
    RoundedDecimal out;
    if (value == 0.0 || !std::isfinite(value))
        return out;
    const double magnitude = std::fabs(value);
    Scientific sci = scientific(magnitude, WorkingPrecision);
    const int keep = std::min(maxSignificant, sci.exponent + 1 + maxDecimals);
    if (keep < 0)
        return out;
    if (keep >= WorkingPrecision)
        sci = scientific(magnitude, ExactPrecision);

    std::string tail = sci.digits.substr(keep);
    int verdict = compareTailWithHalf(tail);
    if (verdict == 0) {
        // Only a tie at the working precision needs the exact expansion to decide.
        sci = scientific(magnitude, ExactPrecision);
        verdict = compareTailWithHalf(sci.digits.substr(keep));
    }
    out.digits = sci.digits.substr(0, keep);
    out.lastExponent = sci.exponent - keep + 1;
    if (verdict >= 0) {
        if (out.digits.empty())
            out.digits = "0";
        incrementDigits(out.digits);
    }
    const auto firstNonZero = out.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        out.digits = "0";
        out.lastExponent = 0;
        return out;
    }
    out.digits.erase(0, firstNonZero);
    // A carry (9.99 -> 10.0) may add a digit beyond the significance limit; it is a zero.
    if (static_cast<int>(out.digits.size()) > maxSignificant) {
        out.digits.pop_back();
        ++out.lastExponent;
    }
    out.negative = value < 0.0;
    return out;
}
