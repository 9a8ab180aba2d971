#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The command line of corvalen-table.
struct Options {
    enum class Format { Text, Csv, Json };

    // Number texts as given; an absent one keeps the program's start value.
    std::optional<QString> loan;
    std::optional<QString> rate;
    std::optional<QString> years;
    std::array<std::optional<QString>, 8> fees;
    int loanStepIndex = 3;
    int feeStepIndex = 3;
    Format format = Format::Text;
    bool formatGiven = false;
    QString pdf; // --pdf: the chart goes to this file instead of the table to stdout
    QString locale;
    bool audit = false;
    bool help = false;
    bool version = false;
};

// Fee categories in the order of the fee total.
inline const QStringList FeeCategories = {
    QStringLiteral("origination"),      QStringLiteral("points"),
    QStringLiteral("prepaid-interest"), QStringLiteral("mortgage-insurance"),
    QStringLiteral("buydown"),          QStringLiteral("flood-check"),
    QStringLiteral("tax-servicing"),    QStringLiteral("other")};

struct UsageError {
    QString message;
};

// Raises UsageError for anything that is not a valid command line.
Options parseOptions(const QStringList& arguments);
QString usageText();
