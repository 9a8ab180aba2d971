#include "CalcErrors.h"
#include "NumericEditModel.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

// Random keys, caret and selection moves, cuts, pastes and decimal changes on the numeric
// field's model; after every step the text must keep its shape and the caret stay inside it.
namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// An optional minus, one or more digits, then with decimals the separator and that many digits.
bool isShaped(const QString& text, int decimals, QChar separator)
{
    qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype firstDigit = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == firstDigit)
        return false;
    if (decimals == 0)
        return i == text.size();
    if (i == text.size() || text[i] != separator)
        return false;
    ++i;
    if (text.size() - i != decimals)
        return false;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
    }
    return true;
}

[[noreturn]] void fail(const char* what, const NumericEditModel& model)
{
    std::fprintf(stderr, "%s: text '%s' caret %d selection %d decimals %d\n", what,
                 qPrintable(model.text()), model.caret(), model.selectionLength(),
                 model.decimals());
    std::abort();
}

void check(const NumericEditModel& model, bool shaped)
{
    if (model.text().size() != model.length())
        fail("length", model);
    if (model.caret() < 0 || model.caret() > model.length())
        fail("caret outside the text", model);
    if (model.selectionLength() < 0 || model.caret() + model.selectionLength() > model.length())
        fail("selection outside the text", model);
    if (!shaped)
        return;
    if (!isShaped(model.text(), model.decimals(), model.separator()))
        fail("text out of shape", model);
    try {
        if (!std::isfinite(model.value()))
            fail("value not finite", model);
    } catch (const EConvertError&) {
        // Beyond the double range: the conversion error, never infinity.
    }
}

bool isAccepted(QChar key, const NumericEditModel& model)
{
    return isDigit(key) || key == QLatin1Char('-') || key == NumericEditModel::Backspace
           || (key == model.separator() && model.decimals() > 0);
}

QChar pickKey(FuzzedDataProvider& data, QChar separator)
{
    switch (data.ConsumeIntegralInRange(0, 6)) {
    case 0:
    case 1:
    case 2:
        return QChar(u'0' + data.ConsumeIntegralInRange(0, 9));
    case 3:
        return separator;
    case 4:
        return QLatin1Char('-');
    case 5:
        return NumericEditModel::Backspace;
    default:
        return QChar(data.ConsumeIntegral<char16_t>());
    }
}

QString pickText(FuzzedDataProvider& data, QChar separator, int maxLength)
{
    QString text;
    const int length = data.ConsumeIntegralInRange(0, maxLength);
    for (int i = 0; i < length && data.remaining_bytes() > 0; ++i)
        text += pickKey(data, separator);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QChar separator = data.ConsumeBool() ? QLatin1Char('.') : QLatin1Char(',');
    NumericEditModel model(data.ConsumeIntegralInRange(0, 9), separator);
    // A text set from outside may have any form; until reformatted only the bounds hold.
    bool shaped = data.ConsumeIntegralInRange(0, 7) != 0;
    if (shaped) {
        const double scale = std::pow(10.0, data.ConsumeIntegralInRange(0, 12));
        model.setValue(data.ConsumeIntegral<int64_t>() / scale);
    } else {
        model.setText(pickText(data, separator, 12));
    }
    check(model, shaped);

    while (data.remaining_bytes() > 0) {
        switch (data.ConsumeIntegralInRange(0, 11)) {
        case 0:
        case 1:
        case 2: {
            const QChar key = pickKey(data, separator);
            const QString before = model.text();
            const bool selected = model.selectionLength() > 0;
            model.keyPress(key);
            if (!selected && !isAccepted(key, model) && model.text() != before)
                fail("a refused key changed the text", model);
            break;
        }
        case 3:
            model.deleteKey();
            break;
        case 4:
            model.setCaret(data.ConsumeIntegralInRange(-2, model.length() + 2));
            break;
        case 5: {
            const int start = data.ConsumeIntegralInRange(-2, model.length() + 2);
            model.setSelection(start, data.ConsumeIntegralInRange(-2, model.length() + 2));
            break;
        }
        case 6: {
            const QString selected = model.selectedText();
            if (model.cut() != selected)
                fail("cut returned another text than the selection", model);
            break;
        }
        case 7:
            model.paste(pickText(data, separator, 24));
            break;
        case 8:
            model.selectAll();
            break;
        case 9:
            model.DeleteChar(data.ConsumeBool() ? NumericEditModel::DeleteKind::Backspace
                                                : NumericEditModel::DeleteKind::Delete);
            break;
        case 10:
            model.DeleteSelection();
            break;
        default:
            try {
                model.setDecimals(data.ConsumeIntegralInRange(-3, 12));
                shaped = true; // formatted from its value
            } catch (const EConvertError&) {
                // Not a number, or beyond the double range: the text stays as it was.
            }
            break;
        }
        check(model, shaped);
    }
    return 0;
}
