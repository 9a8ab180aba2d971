#include "FnpNumericEdit.h"
#include "NumericEditModel.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

// Pasting 1 MiB of characters into the numeric field, in its model and in the widget.
namespace {

constexpr int MiB = 1 << 20;

// Mostly digits, with separators, signs, letters, blanks and control characters between them.
QString mixed()
{
    const QString alphabet = QStringLiteral("0123456789012345678901234567890123456789"
                                            "..,,--abcxyzE+ \t\r\n\b%$()");
    QRandomGenerator random(42);
    QString text(MiB, Qt::Uninitialized);
    for (QChar& c : text)
        c = alphabet[random.bounded(alphabet.size())];
    return text;
}

QString digits()
{
    return QString(MiB, QLatin1Char('7'));
}

// Every other character toggles the sign of an ever longer integer part.
QString signs()
{
    return QStringLiteral("-1").repeated(MiB / 2);
}

QString backspaces()
{
    return QStringLiteral("\b1").repeated(MiB / 2);
}

struct Case {
    QString clipboard;
    QString start; // the text before the paste
    int caret;     // -1: the whole text selected
};

Case makeCase(int index)
{
    switch (index) {
    case 0:
        return {mixed(), QStringLiteral("0.00"), -1};
    case 1:
        return {digits(), QStringLiteral("0.00"), -1};
    case 2:
        return {signs(), QStringLiteral("0.00"), -1};
    default:
        // Edits far from the end of a long text: backspace and overwrite near its start.
        return {backspaces(), QString(MiB, QLatin1Char('5')) + QStringLiteral(".00"), 2};
    }
}

const char* caseName(int index)
{
    static const char* names[] = {"mixed", "digits", "signs", "backspacesNearTheStart"};
    return names[index];
}

void modelPaste(benchmark::State& state)
{
    const Case c = makeCase(static_cast<int>(state.range(0)));
    state.SetLabel(caseName(static_cast<int>(state.range(0))));
    NumericEditModel model;
    for (auto _ : state) {
        state.PauseTiming();
        model.setText(c.start);
        if (c.caret < 0)
            model.selectAll();
        else
            model.setCaret(c.caret);
        state.ResumeTiming();
        model.paste(c.clipboard);
        benchmark::DoNotOptimize(model.length());
    }
    state.counters["length"] = model.length();
    state.SetItemsProcessed(state.iterations() * c.clipboard.size());
}

// The whole road of Ctrl+V: clipboard, model, and the base laying out the new text.
void widgetPaste(benchmark::State& state)
{
    const Case c = makeCase(static_cast<int>(state.range(0)));
    state.SetLabel(caseName(static_cast<int>(state.range(0))));
    TFnpNumericEdit field;
    field.show();
    QGuiApplication::clipboard()->setText(c.clipboard);
    for (auto _ : state) {
        state.PauseTiming();
        field.setText(c.start);
        if (c.caret < 0)
            field.selectAll();
        else
            field.setCursorPosition(c.caret);
        state.ResumeTiming();
        field.paste();
        benchmark::DoNotOptimize(field.text().size());
    }
    state.counters["length"] = static_cast<double>(field.text().size());
    state.SetItemsProcessed(state.iterations() * c.clipboard.size());
}

} // namespace

BENCHMARK(modelPaste)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(widgetPaste)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runGuiBenchmarks(argc, argv);
}
