#include "PreviewPage.h"

#include "PreviewZoom.h"

#include <QPainter>
#include <QPicture>

PreviewPage::PreviewPage(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void PreviewPage::showSheet(const QPicture* page, const PageGeometry& geometry, qreal scale)
{
    m_page = page;
    m_geometry = geometry;
    m_scale = scale;
    const QSize sheet(qRound(geometry.paper.width() * scale),
                      qRound(geometry.paper.height() * scale));
    resize(sheet + QSize(2 * PreviewZoom::Margin, 2 * PreviewZoom::Margin));
    update();
}

void PreviewPage::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect sheet(PreviewZoom::Margin, PreviewZoom::Margin, width() - 2 * PreviewZoom::Margin,
                      height() - 2 * PreviewZoom::Margin);
    painter.fillRect(sheet.translated(3, 3), QColor(64, 64, 64));
    painter.fillRect(sheet, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    if (!m_page)
        return;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.setClipRect(sheet);
    painter.translate(sheet.topLeft() + m_geometry.printable.topLeft() * m_scale);
    painter.scale(m_scale, m_scale);
    painter.drawPicture(0, 0, *m_page);
}
