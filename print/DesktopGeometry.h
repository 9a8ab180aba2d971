#pragma once

#include "PreviewPlacement.h"

class QWidget;

// Where the desktop's panels are, as seen from a window; tests give their own.
class DesktopGeometry {
public:
    virtual ~DesktopGeometry() = default;
    virtual DesktopArea area(const QWidget& window) const = 0;
};

// The screen the window is on, and the area its panels leave free.
class ScreenDesktopGeometry : public DesktopGeometry {
public:
    DesktopArea area(const QWidget& window) const override;
};
