#pragma once
// The status bar's four panels: "Status" taking the spare width, a Num Lock
// indicator, the date and the time, kept current once a second.
#include <QStatusBar>

namespace anglewise {

/// Fills `bar` with the four panels and starts their clock.
void installStatusPanels(QStatusBar* bar);

/// Whether Num Lock is on, from the keyboard LEDs the kernel exposes;
/// false when no keyboard says so.
bool numLockOn();

}  // namespace anglewise
