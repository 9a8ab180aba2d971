#pragma once

#include <string>

// The decimal digits of a double rounded half away from zero, judged on its exact binary value.
struct RoundedDecimal {
    bool negative = false;
    std::string digits = "0"; // no leading zeros; "0" for zero
    int lastExponent = 0;     // |value| = digits x 10^lastExponent

    bool isZero() const { return digits == "0"; }
    // Exponent of the leading digit (the X of d.ddd x 10^X).
    int leadingExponent() const { return lastExponent + static_cast<int>(digits.size()) - 1; }
    void dropTrailingZeros();
};

// Rounds at the significant digit `maxSignificant` or at decimal place `maxDecimals`,
// whichever comes first.
RoundedDecimal roundHalfAway(double value, int maxSignificant, int maxDecimals);
