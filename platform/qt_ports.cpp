#include "platform/qt_ports.h"

#include <QApplication>
#include <QMessageBox>

namespace anglewise {

int QtMessageBox::show(const std::string& text, int style, const std::string& title) {
  // The texts break lines with carriage returns; Qt breaks on line feeds.
  QString body = QString::fromStdString(text);
  body.replace(QChar('\r'), QChar('\n'));
  QMessageBox box(style == kStyleExclamation ? QMessageBox::Warning : QMessageBox::Information,
                  QString::fromStdString(title), body, QMessageBox::Ok, owner);
  box.exec();
  said.push_back(title + ": " + text);
  return 1;
}

void QtBeep::beep() {
  QApplication::beep();
}

}  // namespace anglewise
