#include "ExactApr.h"

#include <algorithm>
#include <cmath>

namespace {

// Present value of n payments of m at monthly rate x, less the loan; falls as x rises.
double gap(double x, double m, double n, double loan)
{
    const double annuity = std::fabs(x) < 1e-12 ? n : -std::expm1(-n * std::log1p(x)) / x;
    return m * annuity - loan;
}

// d/dx of gap, by a central difference scaled to x.
double slope(double x, double m, double n, double loan)
{
    const double h = std::max(1e-9, std::fabs(x) * 1e-7);
    return (gap(x + h, m, n, loan) - gap(x - h, m, n, loan)) / (2 * h);
}

} // namespace

std::optional<double> ExactAPR(double financed, double noteRate, double loan, std::int64_t payments)
{
    if (payments <= 0 || loan <= 0.0 || financed <= 0.0)
        return std::nullopt;
    const double n = static_cast<double>(payments);
    const double r = noteRate / 1200.0;
    if (r <= -1.0)
        return std::nullopt;
    const double m = r == 0.0 ? financed / n : financed * r / -std::expm1(-n * std::log1p(r));
    if (!std::isfinite(m) || m <= 0.0)
        return std::nullopt;

    double lo = -0.999999;
    double hi = 1.0;
    while (gap(hi, m, n, loan) > 0.0 && hi < 1e6)
        hi *= 2.0;
    if (!(gap(lo, m, n, loan) >= 0.0 && gap(hi, m, n, loan) <= 0.0))
        return std::nullopt;

    double x = std::clamp(r, lo, hi);
    for (int i = 0; i < 200; ++i) {
        const double g = gap(x, m, n, loan);
        if (g == 0.0)
            break;
        (g > 0.0 ? lo : hi) = x;
        const double d = slope(x, m, n, loan);
        double next = d != 0.0 ? x - g / d : lo;
        if (!(next > lo && next < hi))
            next = 0.5 * (lo + hi);
        if (std::fabs(next - x) <= 1e-15 * std::max(1.0, std::fabs(x)) || hi - lo < 1e-16)
            return next * 1200.0;
        x = next;
    }
    return x * 1200.0;
}
