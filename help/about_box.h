#pragma once
// frmAbout as a plain model: the compact box, and "&System Info..." that
// moves it up, makes it tall enough to show SYSlist and fills the list.
#include <string>
#include <vector>

#include "help/system_info.h"
#include "ports/ports.h"

namespace anglewise {

inline constexpr char kAboutTitle[] = "About Anglewise";
/// "Version 2.3 for Windows", the version from the build.
std::string aboutVersionText();
inline constexpr char kAboutDescription[] = "Find solutions for trigonometry problems. ";
inline constexpr char kSysInfoCaption[] = "&System Info...";

class AboutBox {
 public:
  AboutBox(WindowFrame& frame, SystemInformation& info, std::string decimalSeparator)
      : frame_(frame), info_(info), separator_(std::move(decimalSeparator)) {}

  std::vector<std::string> SYSlist;
  bool cmdSysInfoEnabled = true;

  void cmdSysInfo_Click();
  /// Any close clears the list, so the next opening starts compact.
  void Form_QueryUnload() { SYSlist.clear(); }

 private:
  WindowFrame& frame_;
  SystemInformation& info_;
  std::string separator_;
};

}  // namespace anglewise
