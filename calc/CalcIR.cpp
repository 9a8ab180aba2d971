#include "Solvers.h"
#include "Storage.h"

#include <cmath>

namespace {
constexpr double Tolerance = 0.000001;
constexpr int StepCap = 100;
} // namespace

// Fixed-point iteration on A = M(1 - (1+x)^-n)/x from a deliberately high start; the table
// shows where this exact iteration stops, so neither start, test nor cap may change.
IRSolution SolveIR(double amount, double deducted, double payment, std::int64_t years)
{
    const double net = Storage::hold(amount * (1.0L - deducted));
    const double n = 12.0 * static_cast<double>(years);
    double x = 10.0 * (1.0 / 12.0);
    double next = 0.0;
    double change = 1.0;
    int counter = 1;
    while (!(Tolerance >= change) && counter < StepCap) {
        const long double numerator = payment * (1.0L - Storage::discount(x, n));
        next = Storage::hold(Storage::divide(numerator, net));
        change = Storage::hold(std::fabs(next - x));
        x = next;
        ++counter;
    }
    return {Storage::hold(next * 1200.0), counter - 1};
}

double CalcIR(double amount, double deducted, double payment, std::int64_t years)
{
    return SolveIR(amount, deducted, payment, years).rate;
}
