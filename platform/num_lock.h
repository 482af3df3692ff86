#pragma once
// Whether Num Lock is on, asked of whoever knows: the X server's keyboard
// extension over the connection Qt already holds, else the keyboard LEDs
// the kernel exposes.
#include <optional>

namespace anglewise {

/// Num Lock's state from the X server, or nothing where there is no X11
/// connection or its keyboard has no "Num Lock" indicator.
std::optional<bool> x11NumLock();

/// Num Lock's state from /sys/class/leds, or nothing without such a LED.
std::optional<bool> kernelNumLock();

/// On when some source says so; off (the panel dim) when none can tell.
bool numLockOn();

}  // namespace anglewise
