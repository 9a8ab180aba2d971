#pragma once

#include <QList>
#include <QPageLayout>
#include <QPicture>
#include <QString>

namespace PdfOutput {

// Writes pages laid out on the printable area of `layout` to a PDF file, one page per sheet.
// Raises EPrintError when the file cannot be written.
void write(const QString& fileName, const QList<QPicture>& pages, const QPageLayout& layout,
           const QString& title);

} // namespace PdfOutput
