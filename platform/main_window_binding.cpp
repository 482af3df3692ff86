#include "platform/main_window_binding.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

#include "mainwindow/main_window.h"
#include "platform/main_window_widget.h"

namespace anglewise {
namespace {

void bindText(QLineEdit* edit, TextBox& box) {
  box.observer = [edit, &box] {
    QString text = QString::fromStdString(box.Text());
    if (edit->text() == text) return;
    QSignalBlocker block(edit);
    edit->setText(text);
  };
  box.observer();
  QObject::connect(edit, &QLineEdit::textEdited,
                   [&box](const QString& text) { box.setText(text.toStdString()); });
}

void bindCheck(QCheckBox* check, CheckBox& box) {
  box.observer = [check, &box] {
    QSignalBlocker block(check);
    check->setChecked(box.Value() == 1);
    check->setEnabled(box.Enabled());
  };
  box.observer();
  QObject::connect(check, &QCheckBox::clicked, [check, &box](bool checked) {
    box.setValue(checked ? 1 : 0);
    box.observer();  // the model may have kept or changed the tick
    (void)check;
  });
}

void bindOption(QRadioButton* radio, OptionButton& option) {
  option.observer = [radio, &option] {
    QSignalBlocker block(radio);
    radio->setChecked(option.Value());
  };
  option.observer();
  QObject::connect(radio, &QRadioButton::clicked, [&option](bool) {
    option.select();
    option.observer();  // a click on the selected button leaves it selected
  });
}

void bindLabel(QLabel* label, Label& model) {
  model.observer = [label, &model] { label->setText(QString::fromStdString(model.Caption())); };
  model.observer();
}

void bindMenu(QAction* action, MenuItem& item, MainWindow& model, const char* name) {
  item.observer = [action, &item] {
    QSignalBlocker block(action);
    action->setChecked(item.Checked());
  };
  item.observer();
  QObject::connect(action, &QAction::triggered, [action, &item, &model, name](bool) {
    model.clickCommand(name);
    QSignalBlocker block(action);
    action->setChecked(item.Checked());
  });
}

void bindButton(MainWindowWidget& widget, const char* name, std::function<void()> handler) {
  QObject::connect(widget.control<QToolButton>(name), &QToolButton::clicked,
                   [handler = std::move(handler)] { handler(); });
}

}  // namespace

void bindMainWindow(MainWindowWidget& widget, MainWindow& model) {
  for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
    bindText(widget.control<QLineEdit>(name), *model.findTextBox(name));
  }
  for (const char* name : {"Check1", "Check2", "Check3", "Check4", "Check5", "over90checked"}) {
    bindCheck(widget.control<QCheckBox>(name), *model.findCheckBox(name));
  }
  for (const char* name : {"opt90D", "optOBL", "Option1", "Option2"}) {
    bindOption(widget.control<QRadioButton>(name), *model.findOption(name));
  }
  for (const char* name : {"xlen", "yhei", "zrad", "adec", "adms", "bdec", "bdms", "c90dec",
                           "c90dms", "theHeight", "theWidth", "theArea"}) {
    bindLabel(widget.control<QLabel>(name), *model.findLabel(name));
  }
  for (const char* name : {"mnuNone", "mnu4places", "mnu8places", "mnu12places"}) {
    bindMenu(widget.menuAction(name), *model.findMenuItem(name), model, name);
  }
  bindButton(widget, "displaynow", [&model] { model.displaynow_Click(); });
  bindButton(widget, "Clearthebaord", [&model] { model.Clearthebaord_Click(); });
  bindButton(widget, "exitnow", [&widget] { widget.close(); });
  widget.picture()->clicked = [&model] { model.Picture1_Click(); };
}

}  // namespace anglewise
