#include "AprTable.h"
#include "CalcErrors.h"
#include "NumberText.h"
#include "Regional.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Pulls values from the fuzzer's bytes; runs dry as zeros.
struct Bytes {
    const std::uint8_t* data;
    std::size_t size;

    template <typename T> T take()
    {
        T value{};
        const std::size_t n = std::min(sizeof(T), size);
        std::memcpy(&value, data, n);
        data += n;
        size -= n;
        return value;
    }

    // Either raw bits (any double, NaN and infinities included) or a short text read as the
    // program reads a field.
    double number()
    {
        const std::uint8_t mode = take<std::uint8_t>();
        if (mode & 1)
            return take<double>();
        const std::size_t length = std::min<std::size_t>(take<std::uint8_t>() % 24, size);
        const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), length);
        data += length;
        size -= length;
        return NumberText::strToFloat(text, QLatin1Char('.'));
    }
};

struct CheckingSink : AprTable::Sink {
    void totalWritten(double) override {}
    void termReset() override {}
    void cellWritten(int column, int row, const QString& text) override
    {
        if (column < 0 || column >= AprTable::Columns || row < 0 || row >= AprTable::Rows ||
            (column == 0 && row == 0) || text.isEmpty())
            std::abort();
        const QString upper = text.toUpper();
        if (upper.contains(QLatin1String("NAN")) || upper.contains(QLatin1String("INF")))
            std::abort();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool once = (Regional::setLocale(QLocale(QLocale::English, QLocale::UnitedStates)), true);
    (void)once;
    Bytes bytes{data, size};
    CheckingSink sink;
    try {
        AprTable::Values inputs;
        for (double& fee : inputs.fees)
            fee = bytes.number();
        inputs.rateValue = bytes.number();
        inputs.loanValue = bytes.number();
        inputs.termValue = bytes.number();
        inputs.loanStep = bytes.take<std::int8_t>() % 11;
        inputs.feeStep = bytes.take<std::int8_t>() % 11;
        const AprTable::Result result = AprTable::build(inputs, sink);
        for (const auto& row : result.apr)
            for (double apr : row)
                if (!std::isfinite(apr))
                    std::abort();
    } catch (const EMathError&) {
    } catch (const EConvertError&) {
    }
    return 0;
}
