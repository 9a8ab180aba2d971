#pragma once

#include <cstdint>
#include <optional>

// The APR of a loan solved to convergence by a bracketed Newton iteration with bisection as
// its safeguard; used to audit the table's fixed-cap iteration. Empty where no root exists.
std::optional<double> ExactAPR(double financed, double noteRate, double loan, std::int64_t payments);
