#pragma once
// Ports that answer at once and remember: every message box is answered
// with OK and recorded in order, every beep counted.
#include <string>
#include <vector>

#include "ports/ports.h"

namespace anglewise {

/// One message box as it was shown.
struct ShownMessage {
  std::string title;
  std::string text;
  int style = 0;
  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class RecordingMessages : public MessageBoxPort {
 public:
  int show(const std::string& text, int style, const std::string& title) override {
    shown.push_back({title, text, style});
    return 1;
  }
  std::vector<ShownMessage> shown;
};

class CountingBeeper : public BeepPort {
 public:
  void beep() override { ++count; }
  int count = 0;
};

}  // namespace anglewise
