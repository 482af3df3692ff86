#include "help/about_box.h"

#include "anglewise_version.h"

namespace anglewise {

std::string aboutVersionText() {
  return std::string("Version ") + kVersion + " for Windows";
}

void AboutBox::cmdSysInfo_Click() {
  // Up by 1500 twips even past the top of the screen, then tall enough to
  // bring the list below the designed area into view.
  frame_.setTop(frame_.Top() - 1500);
  frame_.setHeight(6768);
  cmdSysInfoEnabled = false;
  listpc(SYSlist, info_, separator_);
}

}  // namespace anglewise
