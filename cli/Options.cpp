#include "Options.h"

#include "AprTable.h"

namespace {

int stepIndex(const QString& option, const QString& value)
{
    for (int i = 0; i < AprTable::StepCount; ++i) {
        if (value == QLatin1String(AprTable::StepTexts[i]))
            return i;
    }
    QStringList allowed;
    for (const char* step : AprTable::StepTexts)
        allowed << QLatin1String(step);
    throw UsageError{QStringLiteral("%1 must be one of %2, not '%3'")
                         .arg(option, allowed.join(QStringLiteral(", ")), value)};
}

Options::Format format(const QString& value)
{
    if (value == QLatin1String("text"))
        return Options::Format::Text;
    if (value == QLatin1String("csv"))
        return Options::Format::Csv;
    if (value == QLatin1String("json"))
        return Options::Format::Json;
    throw UsageError{QStringLiteral("--format must be text, csv or json, not '%1'").arg(value)};
}

void setFee(Options& options, const QString& value)
{
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    const QString category = value.left(eq);
    const qsizetype index = eq < 0 ? -1 : FeeCategories.indexOf(category);
    if (index < 0)
        throw UsageError{QStringLiteral("--fee takes CATEGORY=AMOUNT with CATEGORY one of %1")
                             .arg(FeeCategories.join(QStringLiteral(", ")))};
    if (options.fees[index])
        throw UsageError{QStringLiteral("fee category '%1' is given twice").arg(category)};
    options.fees[index] = value.mid(eq + 1);
}

} // namespace

Options parseOptions(const QStringList& arguments)
{
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        QString value;
        bool hasInlineValue = false;
        if (name.startsWith(QLatin1String("--")) && name.contains(QLatin1Char('='))) {
            value = name.mid(name.indexOf(QLatin1Char('=')) + 1);
            name = name.left(name.indexOf(QLatin1Char('=')));
            hasInlineValue = true;
        }
        auto next = [&]() -> QString {
            if (hasInlineValue)
                return value;
            if (i + 1 >= arguments.size())
                throw UsageError{QStringLiteral("%1 needs a value").arg(name)};
            return arguments[++i];
        };
        if (name == QLatin1String("--help") || name == QLatin1String("-h"))
            options.help = true;
        else if (name == QLatin1String("--version"))
            options.version = true;
        else if (name == QLatin1String("--audit"))
            options.audit = true;
        else if (name == QLatin1String("--loan"))
            options.loan = next();
        else if (name == QLatin1String("--rate"))
            options.rate = next();
        else if (name == QLatin1String("--years"))
            options.years = next();
        else if (name == QLatin1String("--fee"))
            setFee(options, next());
        else if (name == QLatin1String("--loan-step"))
            options.loanStepIndex = stepIndex(name, next());
        else if (name == QLatin1String("--fee-step"))
            options.feeStepIndex = stepIndex(name, next());
        else if (name == QLatin1String("--format")) {
            options.format = format(next());
            options.formatGiven = true;
        } else if (name == QLatin1String("--pdf")) {
            options.pdf = next();
            if (options.pdf.isEmpty())
                throw UsageError{QStringLiteral("--pdf needs a file name")};
        }
        else if (name == QLatin1String("--locale"))
            options.locale = next();
        else
            throw UsageError{QStringLiteral("unknown argument '%1'").arg(arguments[i])};
    }
    if (options.audit && options.format == Options::Format::Csv)
        throw UsageError{QStringLiteral("--audit goes with --format text or json, not csv")};
    if (!options.pdf.isEmpty() && (options.formatGiven || options.audit))
        throw UsageError{
            QStringLiteral("--pdf writes the chart only; it takes no --format or --audit")};
    return options;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: corvalen-table [--loan AMOUNT] [--rate PERCENT] [--years N]\n"
        "                      [--fee CATEGORY=AMOUNT ...] [--loan-step AMOUNT] [--fee-step AMOUNT]\n"
        "                      [--format text|csv|json] [--locale NAME] [--audit] [--pdf FILE]\n"
        "                      [--help] [--version]\n"
        "\n"
        "Prints the 12 x 8 APR table of a loan whose closing fees are financed.\n"
        "Defaults: loan 100000, rate 8.75, years 30, every fee 0, both steps 1000.\n"
        "Fee categories: origination, points, prepaid-interest, mortgage-insurance, buydown,\n"
        "                flood-check, tax-servicing, other.\n"
        "Steps: 100, 250, 500, 1000, 2000, 2500, 3000, 4000, 5000.\n"
        "--audit adds the exact APR of every cell and flags cells more than 0.125 points off.\n"
        "--pdf FILE writes the printed chart of the table to FILE as a one-page PDF instead.\n"
        "Numbers are read in the regional settings (--locale, e.g. de_DE; default: system).\n"
        "Exit status: 0 done, 1 math or conversion error, 2 usage error, 3 PDF not written.\n");
}
