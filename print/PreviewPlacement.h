#pragma once

#include <QRect>

// The whole screen and the part of it the desktop's panels leave free for windows.
struct DesktopArea {
    QRect screen;
    QRect available;
};

// Where the preview window goes each time it becomes active: over the free area, frame
// included, or maximised where no panel takes any of the screen; then its Print and Close
// buttons go to the right end of the tool bar.
struct PreviewPlacement {
    bool maximise = false;
    QRect frame; // the window's outer rectangle

    static PreviewPlacement forDesktop(const DesktopArea& desktop);
    static int closeButtonX(int windowWidth) { return windowWidth - 76; }
    static int printButtonX(int windowWidth) { return windowWidth - 144; }
};
