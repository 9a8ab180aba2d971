#include "QRPreview.h"

#include "PageGeometry.h"
#include "PreviewPage.h"
#include "PreviewZoom.h"
#include "QRPrinter.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

TQRPreview::TQRPreview(QWidget* parent)
    : QScrollArea(parent)
    , m_page(new PreviewPage)
{
    setFocusPolicy(Qt::NoFocus);
    setBackgroundRole(QPalette::Dark);
    setAlignment(Qt::AlignCenter);
    setWidgetResizable(false);
    setWidget(m_page);
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    showPage();
}

void TQRPreview::setZoom(int percent)
{
    m_mode = ZoomMode::Percent;
    m_zoom = std::clamp(percent, PreviewZoom::Minimum, PreviewZoom::Maximum);
    showPage();
    scrollToTopLeft();
}

void TQRPreview::ZoomToFit()
{
    if (!QRPrinter().printerInstalled()) {
        setZoom(100);
        return;
    }
    m_mode = ZoomMode::WholePage;
    m_zoom = fitZoom();
    showPage();
    scrollToTopLeft();
}

void TQRPreview::ZoomToWidth()
{
    if (!QRPrinter().printerInstalled()) {
        setZoom(100);
        return;
    }
    m_mode = ZoomMode::PageWidth;
    m_zoom = fitZoom();
    showPage();
    scrollToTopLeft();
}

int TQRPreview::PageCount() const
{
    return std::max(1, QRPrinter().PageCount());
}

void TQRPreview::setPageNumber(int number)
{
    if (number <= 0 || number > PageCount() || number == m_pageNumber)
        return;
    m_pageNumber = number;
    showPage();
    scrollToTopLeft();
}

void TQRPreview::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (m_mode != ZoomMode::Percent) {
        m_zoom = fitZoom();
        showPage();
    }
}

QSizeF TQRPreview::naturalSize() const
{
    const QSizeF paper = QRPrinter().pageGeometry().paper;
    return {paper.width() * logicalDpiX() / PageGeometry::UnitsPerInch,
            paper.height() * logicalDpiX() / PageGeometry::UnitsPerInch};
}

int TQRPreview::fitZoom() const
{
    const QSize view = contentsRect().size();
    if (m_mode == ZoomMode::WholePage)
        return PreviewZoom::wholePage(view, naturalSize());
    return PreviewZoom::pageWidth(view, naturalSize(),
                                  style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
}

void TQRPreview::showPage()
{
    const TQRPrinter& printer = QRPrinter();
    const qreal scale = logicalDpiX() / PageGeometry::UnitsPerInch * m_zoom / 100.0;
    m_page->showSheet(printer.page(m_pageNumber), printer.pageGeometry(), scale);
}

void TQRPreview::scrollToTopLeft()
{
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}
