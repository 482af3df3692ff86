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
  // Typing, and a screen reader setting the text, both reach the model; the
  // model's own changes come in with signals blocked.
  QObject::connect(edit, &QLineEdit::textChanged,
                   [&box](const QString& text) { box.setText(text.toStdString()); });
}

void bindCheck(QCheckBox* check, CheckBox& box) {
  box.observer = [check, &box] {
    QSignalBlocker block(check);
    check->setChecked(box.Value() == 1);
    check->setEnabled(box.Enabled());
  };
  box.observer();
  // A click, the keyboard and a screen reader's toggle all toggle the box;
  // the model's own changes come in with signals blocked.
  QObject::connect(check, &QCheckBox::toggled, [&box](bool checked) {
    if ((box.Value() == 1) != checked) box.click();
    box.observer();  // the model may have kept or changed the tick
  });
}

void bindOption(QRadioButton* radio, OptionButton& option) {
  option.observer = [radio, &option] {
    QSignalBlocker block(radio);
    radio->setChecked(option.Value());
  };
  option.observer();
  QObject::connect(radio, &QRadioButton::toggled, [&option](bool checked) {
    if (checked) option.select();
    option.observer();  // a click on the selected button leaves it selected
  });
}

void bindLabel(MainWindowWidget& widget, QLabel* label, Label& model) {
  model.observer = [&widget, label, &model] {
    label->setText(QString::fromStdString(model.Caption()));
    label->setAccessibleDescription(label->text());  // what a screen reader reads
    widget.fitValueColumn(label);                    // never a hidden digit
  };
  model.observer();
}

void bindMenuItem(QAction* action, MenuItem& item) {
  item.observer = [action, &item] {
    QSignalBlocker block(action);
    action->setChecked(item.Checked());
  };
  item.observer();
}

// A command runs its model handler from its button, its menu action or the
// picture; a checkable menu action then shows the model's check again.
void bindCommand(MainWindowWidget& widget, MainWindow& model, const NamedCommand& command,
                 const CommandHooks& hooks) {
  QString name = QString::fromUtf8(command.name.data(), command.name.size());
  auto run = [&model, handler = command.handler, hooks, id = command.name] {
    if (hooks.before) hooks.before(id);
    (model.*handler)();
    if (hooks.after) hooks.after(id);
  };
  if (auto* button = widget.control<QToolButton>(name)) {
    QObject::connect(button, &QToolButton::clicked, run);
  } else if (QAction* action = widget.menuAction(name)) {
    MenuItem* item = model.find<MenuItem>(command.name);
    QObject::connect(action, &QAction::triggered, [action, item, run](bool) {
      run();
      if (item) item->observer();
    });
  } else if (widget.picture() && widget.picture()->objectName() == name) {
    widget.picture()->clicked = run;
  }
}

// Each kind of control to its widget of the same name.
struct ControlBinder {
  MainWindowWidget& widget;
  QString name;
  void operator()(TextBox* box) { bindText(widget.control<QLineEdit>(name), *box); }
  void operator()(CheckBox* box) { bindCheck(widget.control<QCheckBox>(name), *box); }
  void operator()(OptionButton* option) { bindOption(widget.control<QRadioButton>(name), *option); }
  void operator()(Label* label) { bindLabel(widget, widget.control<QLabel>(name), *label); }
  void operator()(MenuItem* item) { bindMenuItem(widget.menuAction(name), *item); }
};

}  // namespace

void bindMainWindow(MainWindowWidget& widget, MainWindow& model, CommandHooks hooks) {
  for (const NamedControl& entry : model.controls()) {
    QString name = QString::fromUtf8(entry.name.data(), entry.name.size());
    std::visit(ControlBinder{widget, name}, entry.control);
  }
  for (const NamedCommand& command : MainWindow::commands()) {
    bindCommand(widget, model, command, hooks);
  }
  QObject::connect(widget.control<QToolButton>("exitnow"), &QToolButton::clicked,
                   [&widget] { widget.close(); });
}

}  // namespace anglewise
