#include "platform/main_window_widget.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "mainwindow/main_window_design.h"
#include "platform/button_icons.h"
#include "platform/caption_fitting.h"
#include "platform/status_panels.h"
#include "platform/twips.h"

namespace anglewise {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

QWidget* createWidget(const ControlDesign& d, QWidget* parent) {
  switch (d.kind) {
    case ControlKind::Frame:
      return new QGroupBox(qs(d.caption), parent);
    case ControlKind::PictureBox:
      return new PictureWidget(parent);
    case ControlKind::OptionButton: {
      auto* radio = new QRadioButton(qs(d.caption), parent);
      radio->setAutoExclusive(false);  // the model keeps each pair exclusive
      return radio;
    }
    case ControlKind::CheckBox:
      return new QCheckBox(qs(d.caption), parent);
    case ControlKind::TextBox:
      return new QLineEdit(parent);
    case ControlKind::Label: {
      auto* label = new QLabel(qs(d.caption), parent);
      label->setWordWrap(d.wordWrap);
      Qt::Alignment h = d.align == TextAlign::Right    ? Qt::AlignRight
                        : d.align == TextAlign::Center ? Qt::AlignHCenter
                                                       : Qt::AlignLeft;
      label->setAlignment(h | Qt::AlignTop);
      return label;
    }
    case ControlKind::CommandButton: {
      auto* button = new QToolButton(parent);
      button->setText(qs(d.caption));
      button->setIcon(buttonIcon(qs(d.name)));
      button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
      return button;
    }
  }
  return nullptr;
}

// Breaks a caption into lines at blanks so that each fits `width` pixels,
// as the classic check box wraps its caption.
QString wrapped(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  QString line;
  for (const QString& word : text.split(' ')) {
    QString candidate = line.isEmpty() ? word : line + ' ' + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
      lines << line;
      line = word;
    } else {
      line = candidate;
    }
  }
  lines << line;
  return lines.join('\n');
}

void wrapCheckBoxCaption(QWidget* widget, const ControlDesign& d) {
  if (auto* check = qobject_cast<QCheckBox*>(widget); check && !d.caption.empty()) {
    int indicator = check->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 8;
    check->setText(wrapped(qs(d.caption), check->fontMetrics(), check->width() - indicator));
  }
}

}  // namespace

MainWindowWidget::MainWindowWidget(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(kMainTitle);
  setWindowIcon(windowIcon());
  setObjectName("frmMain");
  setFont(windowFont());
  // The client area has no minimum: a window smaller than the design just
  // shows less, and no control moves or scales.
  auto* client = new QWidget(this);
  setCentralWidget(client);
  buildControls(client);
  buildMenus();
  statusBar_ = new QStatusBar(client);
  statusBar_->setObjectName("sbStatusBar");
  installStatusPanels(statusBar_);
  client->installEventFilter(this);
  setTabOrder();
  // Escape presses Exit wherever the focus is in the window.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this,
          [this] { control<QToolButton>("exitnow")->click(); });
  resize(twipsRect(this, 0, 0, kMainClientWidth, kMainClientHeight).size() +
         QSize(0, menuBar()->sizeHint().height()));
}

void MainWindowWidget::buildControls(QWidget* client) {
  for (const ControlDesign& d : mainWindowControls()) {
    QWidget* parent = d.container.empty() ? client : controls_.value(qs(d.container), client);
    QWidget* widget = createWidget(d, parent);
    widget->setObjectName(qs(d.name));
    widget->setGeometry(twipsRect(this, d.left, d.top, d.width, d.height));
    if (!d.tooltip.empty()) widget->setToolTip(qs(d.tooltip));
    if (d.font) {
      QFont font(qs(d.font->name));
      font.setPointSizeF(d.font->points);
      font.setBold(d.font->bold);
      widget->setFont(font);
    }
    wrapCheckBoxCaption(widget, d);
    if (d.tabIndex < 0 && d.kind != ControlKind::Frame) widget->setFocusPolicy(Qt::NoFocus);
    controls_.insert(qs(d.name), widget);
  }
  fitCaptionColumns();
  int icon = twipsToPixels(732, logicalDpi(this)) / 2;
  for (const char* name : {"displaynow", "Printitnow", "Clearthebaord", "exitnow"}) {
    control<QToolButton>(name)->setIconSize(QSize(icon, icon));
  }
}

// One-line captions that share a container and a left edge form a column,
// and a column's captions are fitted alike.
// Result labels (designed empty) form columns the same way; they are
// fitted whenever a value changes.
void MainWindowWidget::fitCaptionColumns() {
  QMap<QPair<QString, int>, QList<QLabel*>> columns, values;
  for (const ControlDesign& d : mainWindowControls()) {
    if (d.kind != ControlKind::Label || d.wordWrap) continue;
    (d.caption.empty() ? values : columns)[{qs(d.container), d.left}]
        << control<QLabel>(qs(d.name));
  }
  for (const QList<QLabel*>& column : columns) fitCaptionColumn(column);
  for (const QList<QLabel*>& column : values) {
    for (QLabel* label : column) valueColumns_.insert(label, column);
  }
}

void MainWindowWidget::fitValueColumn(QLabel* label) {
  auto column = valueColumns_.constFind(label);
  if (column != valueColumns_.cend()) anglewise::fitValueColumn(*column, font());
}

void MainWindowWidget::buildMenus() {
  QHash<QString, QMenu*> menus;
  for (const MenuDesign& m : mainWindowMenus()) {
    if (m.parent.empty()) {
      QMenu* menu = menuBar()->addMenu(qs(m.caption));
      menu->setObjectName(qs(m.name));
      menus.insert(qs(m.name), menu);
      continue;
    }
    QMenu* menu = menus.value(qs(m.parent));
    if (m.caption == "-") {
      menu->addSeparator()->setObjectName(qs(m.name));
      continue;
    }
    QAction* action = menu->addAction(qs(m.caption));
    action->setObjectName(qs(m.name));
    bool decimals = m.parent == "mnuDecimals";
    action->setCheckable(decimals);
    action->setChecked(m.checked);
    actions_.insert(qs(m.name), action);
  }
}

void MainWindowWidget::setTabOrder() {
  std::vector<const ControlDesign*> order;
  for (const ControlDesign& d : mainWindowControls()) {
    if (d.tabIndex >= 0) order.push_back(&d);
  }
  std::sort(order.begin(), order.end(), [](const ControlDesign* a, const ControlDesign* b) {
    return a->tabIndex < b->tabIndex;
  });
  for (size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(control(qs(order[i - 1]->name)), control(qs(order[i]->name)));
  }
}

// The status bar runs along the bottom edge of the client area, full width,
// but never above or narrower than its designed place: a window smaller
// than the design cuts it off with the rest of the content.
void MainWindowWidget::placeStatusBar() {
  QWidget* client = centralWidget();
  QRect designed =
      twipsRect(this, 0, kMainClientHeight - kStatusBarHeight, kMainClientWidth, kStatusBarHeight);
  statusBar_->setGeometry(0, std::max(designed.top(), client->height() - designed.height()),
                          std::max(designed.width(), client->width()), designed.height());
}

bool MainWindowWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::Resize) placeStatusBar();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
  if (aboutToClose) aboutToClose();
  event->accept();
}

}  // namespace anglewise
