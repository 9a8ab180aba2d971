#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

// The program's fonts and colours, in pixels at 96 per inch.
namespace Look {

inline const QColor Silver(0xC0, 0xC0, 0xC0);
inline const QColor Yellow(0xFF, 0xFF, 0x00);

// Arial by name; Debian's metric-compatible Liberation Sans answers to it.
inline QFont arial(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

inline void paint(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace Look
