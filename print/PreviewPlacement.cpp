#include "PreviewPlacement.h"

PreviewPlacement PreviewPlacement::forDesktop(const DesktopArea& desktop)
{
    PreviewPlacement placement;
    placement.maximise = desktop.available == desktop.screen || desktop.available.isEmpty();
    placement.frame = desktop.available.isEmpty() ? desktop.screen : desktop.available;
    return placement;
}
