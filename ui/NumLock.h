#pragma once

// The keyboard's Num Lock state, where the windowing system lets a program see and set it.
namespace NumLock {

enum class State { Off, On, Unknown };

// Unknown on every platform but X11 (offscreen, Wayland): no native interface is touched there.
State state();

// Locks Num Lock on when it is off; leaves it alone when on or unknown.
void switchOn();

} // namespace NumLock
