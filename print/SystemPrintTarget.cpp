#include "SystemPrintTarget.h"

#include "PagePainter.h"
#include "PrintError.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

void setUp(QPrinter& printer, const QPrinterInfo& info)
{
    printer.setDocName(QString());
    printer.setFullPage(false);
    printer.setResolution(PagePainter::recordingResolution());
    printer.setPageOrientation(QPageLayout::Portrait);
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid())
        printer.setPageSize(paper);
}

} // namespace

std::optional<PageGeometry> SystemPrintTarget::defaultPage()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    QPrinter printer(info);
    setUp(printer, info);
    return PageGeometry::fromLayout(printer.pageLayout());
}

void SystemPrintTarget::print(const QList<QPicture>& pages, const PageGeometry& laidOutOn)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || pages.isEmpty())
        return;
    QPrinter printer(info);
    setUp(printer, info);
    const QString name = info.printerName();
    if (!printer.isValid())
        throw EPrintError(QStringLiteral("The printer %1 is not available.").arg(name));
    QPainter painter;
    if (!painter.begin(&printer))
        throw EPrintError(QStringLiteral("Printing on %1 could not start.").arg(name));
    const QRectF printable(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            throw EPrintError(
                QStringLiteral("Printing on %1 stopped at page %2.").arg(name).arg(i + 1));
        }
        PagePainter::drawScaled(painter, pages[i], laidOutOn.printable.size(), printable);
    }
    if (!painter.end())
        throw EPrintError(QStringLiteral("The print job for %1 failed.").arg(name));
}
