#include "PdfOutput.h"

#include "PageGeometry.h"
#include "PagePainter.h"
#include "PrintError.h"

#include <QPainter>
#include <QPdfWriter>

namespace PdfOutput {

void write(const QString& fileName, const QList<QPicture>& pages, const QPageLayout& layout,
           const QString& title)
{
    QPdfWriter writer(fileName);
    writer.setPageLayout(layout);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Corvalen"));
    writer.setResolution(PagePainter::recordingResolution());
    QPainter painter;
    if (!painter.begin(&writer))
        throw EPrintError(QStringLiteral("cannot write '%1'").arg(fileName));
    const QSizeF units = PageGeometry::fromLayout(layout).printable.size();
    const QRectF printable(QPointF(0, 0), layout.paintRectPixels(writer.resolution()).size());
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        PagePainter::drawScaled(painter, pages[i], units, printable);
    }
    if (!painter.end())
        throw EPrintError(QStringLiteral("cannot finish '%1'").arg(fileName));
}

} // namespace PdfOutput
