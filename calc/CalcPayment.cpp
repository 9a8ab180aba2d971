#include "Solvers.h"
#include "Storage.h"

double CalcPayment(double amount, double periodicRate, std::int64_t payments)
{
    if (periodicRate == 0.0)
        return Storage::hold(Storage::divide(amount, static_cast<long double>(payments)));
    const double d = Storage::hold(Storage::discount(periodicRate, static_cast<double>(payments)));
    const long double numerator = static_cast<long double>(amount) * periodicRate;
    return Storage::hold(Storage::divide(numerator, 1.0L - d));
}
