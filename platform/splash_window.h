#pragma once
// frmSplash: the product name, version and logo, shown centred while the
// program starts.
#include <QWidget>
#include <functional>

namespace anglewise {

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  SplashWindow();
  /// Form_Load: puts the product name into lblProductName.
  void Form_Load();
};

/// Shows the splash for `milliseconds` by the monotonic clock, processing
/// window events all the while, then repaints it once more. `meanwhile`
/// runs once the splash is on the screen, within those milliseconds.
void showSplashFor(SplashWindow& splash, int milliseconds,
                   const std::function<void()>& meanwhile = {});

}  // namespace anglewise
