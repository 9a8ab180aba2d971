#pragma once

#include <cstdint>

// The three loan solvers. Each raises EMathError for an arithmetic fault; CalcAPR also raises
// EConvertError when the payment count is not a whole number of years.

double CalcPayment(double amount, double periodicRate, std::int64_t payments);
double CalcIR(double amount, double deducted, double payment, std::int64_t years);
double CalcAPR(double financed, double noteRate, double loan, std::int64_t payments);

// CalcIR together with the number of iteration steps it took (1..99).
struct IRSolution {
    double rate;
    int steps;
};
IRSolution SolveIR(double amount, double deducted, double payment, std::int64_t years);

// CalcAPR with the steps its rate iteration took.
IRSolution SolveAPR(double financed, double noteRate, double loan, std::int64_t payments);

// The whole years of a payment count, read back from its general-format text.
std::int64_t YearsOfPayments(std::int64_t payments);
