#pragma once

#include "QRPrintable.h"

#include <QColor>
#include <QFont>
#include <QString>

// A text item: one line in an Arial font of a given character height, left-aligned and sized
// to its text, or centred in a fixed box. Its text can change while the report runs.
class TQRLabel : public TQRPrintable {
    Q_OBJECT
public:
    enum class Alignment { Left, Center };

    explicit TQRLabel(TQRBand* band);

    void setText(const QString& text) { m_text = text; }
    QString text() const { return m_text; }
    // Arial at `height` layout units (the character height, not the line spacing).
    void setFont(int height, bool bold);
    QFont font() const { return m_font; }
    void setColor(const QColor& color) { m_color = color; }
    QColor color() const { return m_color; }
    void setAlignment(Alignment alignment) { m_alignment = alignment; }
    Alignment alignment() const { return m_alignment; }
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }
    bool autoSize() const { return m_autoSize; }

    // The text as it goes on the page.
    virtual QString printText() const { return m_text; }
    // The width the printed text takes, in layout units.
    qreal textWidth() const;

    void print(QPainter& painter, QPointF origin) const override;

    // The report font: Arial, a character height in layout units, metrics the same on screen,
    // printer and PDF.
    static QFont reportFont(int height, bool bold);

private:
    QString m_text;
    QFont m_font;
    QColor m_color = Qt::black;
    Alignment m_alignment = Alignment::Left;
    bool m_autoSize = true;
};
