#pragma once

#include <QString>

// The two display formats of the APR table, in the current regional settings.
namespace DisplayFormat {

// Currency: two decimals, at most 10 significant digits, the locale's symbol, grouping and
// negative form; beyond 10 integer digits the general scientific form without symbol.
QString currency(double value);

// Percent: a space, three decimals with at most 5 significant digits, no grouping, then "%";
// beyond 5 integer digits the general scientific form between the space and the "%".
QString percent(double value);

} // namespace DisplayFormat
