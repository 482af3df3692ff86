#pragma once
// The real window shown and active (shortcuts need the active window), and
// a triangle given as a user gives it: the kind clicked, each value typed
// and its box ticked, Display pressed.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <QToolButton>

#include "platform/desktop_app.h"
#include "tests/platform/gui_fixture.h"

namespace anglewise {

class DesktopAppTest : public GuiTest {
 protected:
  DesktopAppTest() {
    app.widget().show();
    QApplication::setActiveWindow(&app.widget());
  }

  /// `kind` is "opt90D" or "optOBL"; `texts` the rows X to B, "" for none.
  void solve(const char* kind, const QStringList& texts) {
    QTest::mouseClick(app.widget().control<QRadioButton>(kind), Qt::LeftButton);
    for (int row = 0; row < texts.size(); ++row) {
      if (texts[row].isEmpty()) continue;
      auto* edit = app.widget().control<QLineEdit>(QString("Text%1").arg(row + 1));
      edit->selectAll();
      QTest::keyClicks(edit, texts[row]);
      auto* check = app.widget().control<QCheckBox>(QString("Check%1").arg(row + 1));
      if (!check->isChecked()) QTest::mouseClick(check, Qt::LeftButton);
    }
    click("displaynow");
  }
  void click(const char* button) {
    QTest::mouseClick(app.widget().control<QToolButton>(button), Qt::LeftButton);
  }

  DesktopApp app;
};

}  // namespace anglewise
