#pragma once
// frmAbout: product name, version, description, OK and "&System Info...",
// which enlarges the box and fills SYSlist.
#include <QDialog>
#include <memory>

#include "help/about_box.h"
#include "platform/qt_window_frame.h"

class QListWidget;
class QPushButton;

namespace anglewise {

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  AboutWindow(QWidget* owner, SystemInformation& info);
  AboutBox& model() { return model_; }
  QPushButton* sysInfoButton() const { return sysInfo_; }
  QListWidget* list() const { return list_; }

 protected:
  void done(int result) override;

 private:
  void cmdSysInfo_Click();
  QtWindowFrame frame_{this};
  AboutBox model_;
  QPushButton* sysInfo_;
  QListWidget* list_;
};

}  // namespace anglewise
