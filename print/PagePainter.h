#pragma once

#include <QRectF>
#include <QSizeF>

class QPainter;
class QPicture;

namespace PagePainter {

// The resolution a device must have for pages to play back true: a picture re-resolves its
// fonts for the device it is played on, so only a device at the recording resolution keeps
// text and positions in step (a scale on the painter then enlarges both alike).
int recordingResolution();

// Plays a page laid out in `pageUnits` into `target` (device coordinates of `painter`), scaled
// evenly so the whole page fits, from the target's top left.
void drawScaled(QPainter& painter, const QPicture& page, const QSizeF& pageUnits,
                const QRectF& target);

} // namespace PagePainter
