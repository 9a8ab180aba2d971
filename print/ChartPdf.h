#pragma once

#include <QString>

class ChartSource;

namespace ChartPdf {

// Lays the APR chart out from `source` on the locale's usual paper and writes it as a PDF.
// Needs a QApplication; raises what the source raises, and EPrintError when the file fails.
void write(const QString& fileName, const ChartSource& source);

} // namespace ChartPdf
