#include "platform/about_window.h"

#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

#include "platform/button_icons.h"
#include "platform/caption_fitting.h"
#include "platform/qt_window_frame.h"
#include "platform/twips.h"

namespace anglewise {
namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect twips) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  placeTwips(label, twips.x(), twips.y(), twips.width(), twips.height());
  return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, int top) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  placeTwips(button, 3960, top, 1212, 345);
  return button;
}

QFont fontOf(const char* family, double points, bool bold = false) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* owner, SystemInformation& info)
    : QDialog(owner), model_(frame_, info, QLocale::system().decimalPoint().toStdString()) {
  setObjectName("frmAbout");
  setWindowTitle(kAboutTitle);
  setFont(windowFont());
  resizeClientTwips(this, 5808, 3084);

  QLabel* icon = addLabel(this, "picIcon", QString(), {360, 240, 432, 432});
  icon->setPixmap(windowIcon().pixmap(icon->size()));
  QLabel* name = addLabel(this, "lblProductName", "Anglewise", {1080, 120, 2760, 636});
  name->setFont(fontOf("Arial", 28.2));
  name->setAlignment(Qt::AlignCenter);
  name->setWordWrap(false);
  fitLabel(name);
  addLabel(this, "lblVersion", QString::fromStdString(aboutVersionText()), {360, 840, 2292, 228});
  QLabel* logo = addLabel(this, "Picture1", QString(), {360, 1680, 1092, 1080});
  logo->setPixmap(windowIcon().pixmap(logo->size()));
  addLabel(this, "lblDescription", kAboutDescription, {1920, 1680, 3732, 456})
      ->setFont(fontOf("Tahoma", 9));
  addLabel(this, "lblMakerTitle", "Plane triangles, solved exactly.", {360, 1140, 3500, 228});
  addLabel(this, "lblMakerNote", "Anglewise developers", {1920, 2280, 3732, 228});
  addLabel(this, "lblMakerLicence", "Free to use and share.", {1920, 2580, 3732, 228});

  QPushButton* ok = addButton(this, "cmdOK", "OK", 240);
  ok->setDefault(true);  // Enter; Escape rejects the dialog, which closes it too
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  sysInfo_ = addButton(this, "cmdSysInfo", kSysInfoCaption, 840);
  sysInfo_->setAutoDefault(false);
  connect(sysInfo_, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });

  list_ = new QListWidget(this);
  list_->setObjectName("SYSlist");
  list_->setAccessibleName("System information");
  list_->setFont(fontOf("Courier New", 7.8, true));
  placeTwips(list_, 120, 3120, 5412, 3120);
  centreOnOwner(this, owner);
}

void AboutWindow::cmdSysInfo_Click() {
  model_.cmdSysInfo_Click();
  sysInfo_->setEnabled(model_.cmdSysInfoEnabled);
  list_->clear();
  for (const std::string& line : model_.SYSlist) list_->addItem(QString::fromStdString(line));
}

void AboutWindow::done(int result) {
  model_.Form_QueryUnload();
  list_->clear();
  QDialog::done(result);
}

}  // namespace anglewise
