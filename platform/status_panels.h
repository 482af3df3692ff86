#pragma once
// The status bar's four panels: "Status" taking the spare width, a Num Lock
// indicator, the date and the time, kept current once a second.
#include <QStatusBar>

namespace anglewise {

/// Fills `bar` with the four panels and starts their clock.
void installStatusPanels(QStatusBar* bar);

}  // namespace anglewise
