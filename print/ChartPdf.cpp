#include "ChartPdf.h"

#include "PageGeometry.h"
#include "PdfOutput.h"
#include "Qrchart.h"
#include "QuickReport.h"
#include "Regional.h"

namespace ChartPdf {

void write(const QString& fileName, const ChartSource& source)
{
    TQRPaymentChart chart;
    chart.setSource(&source);
    const QPageLayout layout = PageGeometry::fallbackLayout(Regional::locale());
    const QList<QPicture> pages = chart.Rep->layOut(PageGeometry::fromLayout(layout));
    PdfOutput::write(fileName, pages, layout, QStringLiteral("Chart of Annual Percentage Rates"));
}

} // namespace ChartPdf
