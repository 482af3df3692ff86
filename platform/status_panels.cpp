#include "platform/status_panels.h"

#include "platform/num_lock.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace anglewise {

namespace {

QLabel* panel(QStatusBar* bar, const QString& text, int stretch) {
  auto* label = new QLabel(text, bar);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setContentsMargins(4, 0, 4, 0);
  bar->addWidget(label, stretch);
  return label;
}

}  // namespace

void installStatusPanels(QStatusBar* bar) {
  bar->setSizeGripEnabled(true);
  panel(bar, "Status", 1)->setObjectName("statusText");
  QLabel* numLock = panel(bar, "NUM", 0);
  QLabel* date = panel(bar, "", 0);
  QLabel* time = panel(bar, "", 0);
  auto refresh = [numLock, date, time] {
    QDateTime now = QDateTime::currentDateTime();
    QLocale locale;
    date->setText(locale.toString(now.date(), QLocale::ShortFormat));
    time->setText(locale.toString(now.time(), QLocale::ShortFormat));
    numLock->setEnabled(numLockOn());
  };
  refresh();
  auto* clock = new QTimer(bar);
  QObject::connect(clock, &QTimer::timeout, bar, refresh);
  clock->start(1000);
}

}  // namespace anglewise
