#include "PreviewZoom.h"

#include <algorithm>
#include <cmath>

namespace PreviewZoom {

namespace {

int clamp(double percent)
{
    return std::clamp(static_cast<int>(std::floor(percent)), Minimum, Maximum);
}

} // namespace

QSize pageSize(const QSizeF& natural, int percent)
{
    return QSize(qRound(natural.width() * percent / 100.0),
                 qRound(natural.height() * percent / 100.0));
}

int wholePage(const QSize& view, const QSizeF& natural)
{
    if (natural.isEmpty())
        return 100;
    const double across = (view.width() - 2 * Margin) * 100.0 / natural.width();
    const double down = (view.height() - 2 * Margin) * 100.0 / natural.height();
    return clamp(std::min(across, down));
}

int pageWidth(const QSize& view, const QSizeF& natural, int scrollBarExtent)
{
    if (natural.isEmpty())
        return 100;
    const int zoom = clamp((view.width() - 2 * Margin) * 100.0 / natural.width());
    if (pageSize(natural, zoom).height() + 2 * Margin <= view.height())
        return zoom;
    return clamp((view.width() - scrollBarExtent - 2 * Margin) * 100.0 / natural.width());
}

} // namespace PreviewZoom
