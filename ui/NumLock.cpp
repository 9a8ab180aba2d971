#include "NumLock.h"

#include <QGuiApplication>
#include <qguiapplication_platform.h>

#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace {

// The X display, only when the application really runs on the xcb platform.
Display* x11Display()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

unsigned int numLockMask(Display* display)
{
    return XkbKeysymToModifiers(display, XK_Num_Lock);
}

} // namespace

namespace NumLock {

State state()
{
    Display* display = x11Display();
    if (!display)
        return State::Unknown;
    const unsigned int mask = numLockMask(display);
    XkbStateRec xkb{};
    if (mask == 0 || XkbGetState(display, XkbUseCoreKbd, &xkb) != Success)
        return State::Unknown;
    return (xkb.locked_mods & mask) ? State::On : State::Off;
}

void switchOn()
{
    if (state() != State::Off)
        return;
    Display* display = x11Display();
    const unsigned int mask = numLockMask(display);
    XkbLockModifiers(display, XkbUseCoreKbd, mask, mask);
    XSync(display, False);
}

} // namespace NumLock
