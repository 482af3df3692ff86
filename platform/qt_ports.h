#pragma once
// Message boxes and the beep through Qt.
#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "ports/ports.h"

namespace anglewise {

/// A modal QMessageBox; style 48 is the exclamation icon with OK only.
class QtMessageBox : public MessageBoxPort {
 public:
  int show(const std::string& text, int style, const std::string& title) override;
  QPointer<QWidget> owner;
  /// Every box shown, as "title: text", for the history.
  std::vector<std::string> said;
};

class QtBeep : public BeepPort {
 public:
  void beep() override;
};

}  // namespace anglewise
