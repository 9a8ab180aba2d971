#include "QRLabel.h"

#include <QFontMetricsF>
#include <QPainter>

TQRLabel::TQRLabel(TQRBand* band)
    : TQRPrintable(band)
    , m_font(reportFont(12, false))
{
}

void TQRLabel::setFont(int height, bool bold)
{
    m_font = reportFont(height, bold);
}

QFont TQRLabel::reportFont(int height, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(height);
    font.setBold(bold);
    // Unhinted advances scale linearly, so text measured at layout size fits at any resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

qreal TQRLabel::textWidth() const
{
    return QFontMetricsF(m_font).horizontalAdvance(printText());
}

void TQRLabel::print(QPainter& painter, QPointF origin) const
{
    const QString text = printText();
    if (text.isEmpty())
        return;
    const QRect box = geometry();
    painter.setFont(m_font);
    painter.setPen(m_color);
    const qreal width = m_autoSize ? textWidth() : box.width();
    const QRectF rect(origin + QPointF(box.topLeft()), QSizeF(width, box.height()));
    const Qt::Alignment align =
        (m_alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    painter.drawText(rect, align | Qt::TextDontClip | Qt::TextSingleLine, text);
}
