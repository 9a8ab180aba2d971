#include "DesktopGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

DesktopArea ScreenDesktopGeometry::area(const QWidget& window) const
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {screen->geometry(), screen->availableGeometry()};
}
