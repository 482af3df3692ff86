#pragma once
// A QApplication on the offscreen platform, settings in a fresh folder, and
// a watchdog that answers every modal dialog: it records the title (and a
// message box's text) and closes it, so nothing can hang. A dialog in a
// test that did not say it expects dialogs fails that test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace anglewise {

class GuiTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QApplication::instance()) new QApplication(argc, argv);
  }

  GuiTest() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    qputenv("XDG_DATA_HOME", config.path().toUtf8());  // the history, the program folder
    watchdog_.setInterval(20);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        dialogs.push_back(box->windowTitle() + "|" + box->text());
      } else {
        dialogs.push_back(modal->windowTitle());
      }
      if (!dialogsExpected_) {
        ADD_FAILURE() << "a dialog the test did not expect: " << dialogs.back().toStdString();
      }
      if (answer) {
        answer(modal);
      } else {
        modal->close();
      }
    });
    watchdog_.start();
  }

  /// The test shows dialogs on purpose and checks `dialogs` itself.
  void expectDialogs() { dialogsExpected_ = true; }

  QString settingsFile() const { return config.path() + "/Anglewise/Anglewise.ini"; }

  QTemporaryDir config;
  QStringList dialogs;
  std::function<void(QWidget*)> answer;  ///< how to answer the next dialogs

 private:
  QTimer watchdog_;
  bool dialogsExpected_ = false;
};

}  // namespace anglewise
