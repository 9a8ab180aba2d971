#pragma once

#include "AprTable.h"

#include <array>

class MainForm;
class QObject;

// One table build over the main window: reads its fields and step groups, writes the total,
// the term reset and each cell as the builder makes it, then marks the table as computed.
class FormTable : private AprTable::Input, private AprTable::Sink {
public:
    explicit FormTable(MainForm& form);

    // Raises what the build raises; a failed build empties every cell it did not write, so
    // the grid never mixes two computations.
    void run(QObject* sender);

private:
    double fee(int index) const override;
    double rate() const override;
    double loan() const override;
    double term() const override;
    int loanStepIndex() const override;
    int feeStepIndex() const override;
    void totalWritten(double feeTotal) override;
    void termReset() override;
    void cellWritten(int column, int row, const QString& text) override;

    void emptyUnwritten();
    void finish(QObject* sender);

    MainForm& m_form;
    std::array<std::array<bool, AprTable::Columns>, AprTable::Rows> m_written{};
};
