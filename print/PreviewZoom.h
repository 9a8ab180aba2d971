#pragma once

#include <QSize>
#include <QSizeF>

// Zoom arithmetic of the preview: percentages of a page's natural screen size.
namespace PreviewZoom {

// Space kept around the page in the view, in screen pixels.
inline constexpr int Margin = 10;
inline constexpr int Minimum = 5;
inline constexpr int Maximum = 1000;

// The page's size in screen pixels at `percent`, given its size at 100.
QSize pageSize(const QSizeF& natural, int percent);
// The largest zoom at which the whole page and its margin fit in `view`.
int wholePage(const QSize& view, const QSizeF& natural);
// The largest zoom at which the page's width fits in `view`, leaving `scrollBarExtent` for the
// vertical scroll bar when the page is then taller than the view.
int pageWidth(const QSize& view, const QSizeF& natural, int scrollBarExtent);

} // namespace PreviewZoom
