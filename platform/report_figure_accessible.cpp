#include "platform/report_figure_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

#include "platform/report_figure_widget.h"

namespace anglewise {
namespace {

// One item per element id and figure, kept while the element is drawn, so a
// screen reader holding it keeps a valid object.
QHash<const QWidget*, QHash<QString, QAccessible::Id>>& itemIds() {
  static QHash<const QWidget*, QHash<QString, QAccessible::Id>> ids;
  return ids;
}

class FigureElementItem : public QAccessibleInterface {
 public:
  FigureElementItem(ReportFigureWidget* figure, QString id) : figure_(figure), id_(std::move(id)) {}

  bool isValid() const override { return group() != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return figure_ ? figure_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return figure_ ? QAccessible::queryAccessibleInterface(figure_.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    const drawing::Group* g = group();
    if (!g) return {};
    if (t == QAccessible::Name) return QString::fromStdString(g->name);
    if (t == QAccessible::Description) return QString::fromStdString(g->description);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    const drawing::Group* g = group();
    if (!g) return {};
    drawing::Rect box = drawing::boundsOf(*g);
    QRect local(QPoint(int(box.x), int(box.y)), QSize(int(box.w) + 1, int(box.h) + 1));
    return local.translated(figure_->mapToGlobal(QPoint(0, 0)));
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = s.selectable = true;
    bool on = figure_ && figure_->focusedElement() == id_;
    s.focused = on && figure_->hasFocus();
    s.selected = on;
    s.invisible = !figure_ || !figure_->isVisible();
    return s;
  }

 private:
  const drawing::Group* group() const {
    return figure_ ? figure_->figure().find(id_.toStdString()) : nullptr;
  }

  QPointer<ReportFigureWidget> figure_;
  QString id_;
};

class FigureList : public QAccessibleWidget {
 public:
  explicit FigureList(ReportFigureWidget* figure) : QAccessibleWidget(figure, QAccessible::List) {}

  ReportFigureWidget* figure() const { return static_cast<ReportFigureWidget*>(widget()); }

  int childCount() const override { return static_cast<int>(figure()->elements().size()); }

  QAccessibleInterface* child(int index) const override {
    std::vector<const drawing::Group*> all = figure()->elements();
    if (index < 0 || index >= static_cast<int>(all.size())) return nullptr;
    QString id = QString::fromStdString(all[index]->id);
    QHash<QString, QAccessible::Id>& ids = itemIds()[figure()];
    if (!ids.contains(id)) {
      ids.insert(id, QAccessible::registerAccessibleInterface(new FigureElementItem(figure(), id)));
    }
    return QAccessible::accessibleInterface(ids.value(id));
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (this->child(i) == child) return i;
    }
    return -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    QPoint local = figure()->mapFromGlobal(QPoint(x, y));
    std::string id = drawing::elementAt(figure()->figure(), {double(local.x()), double(local.y())});
    std::vector<const drawing::Group*> all = figure()->elements();
    for (size_t i = 0; i < all.size(); ++i) {
      if (all[i]->id == id) return child(static_cast<int>(i));
    }
    return nullptr;
  }

  QAccessibleInterface* focusChild() const override {
    std::vector<const drawing::Group*> all = figure()->elements();
    for (size_t i = 0; i < all.size(); ++i) {
      if (QString::fromStdString(all[i]->id) == figure()->focusedElement()) {
        return child(static_cast<int>(i));
      }
    }
    return nullptr;
  }
};

QAccessibleInterface* figureFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("anglewise::ReportFigureWidget") && object &&
      object->isWidgetType()) {
    return new FigureList(static_cast<ReportFigureWidget*>(object));
  }
  return nullptr;
}

}  // namespace

void installFigureAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(figureFactory);
    return true;
  }();
  (void)installed;
}

void figureElementsChanged(ReportFigureWidget* figure) {
  QHash<QString, QAccessible::Id>& ids = itemIds()[figure];
  for (auto it = ids.begin(); it != ids.end();) {
    if (figure->figure().find(it.key().toStdString())) {
      ++it;
      continue;
    }
    QAccessible::deleteAccessibleInterface(it.value());
    it = ids.erase(it);
  }
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(figure, QAccessible::ObjectReorder);
  QAccessible::updateAccessibility(&event);
}

void figureElementFocused(ReportFigureWidget* figure, int index) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(figure, QAccessible::Focus);
  event.setChild(index);
  QAccessible::updateAccessibility(&event);
}

void forgetFigureElements(ReportFigureWidget* figure) {
  auto found = itemIds().find(figure);
  if (found == itemIds().end()) return;
  for (QAccessible::Id id : *found) QAccessible::deleteAccessibleInterface(id);
  itemIds().erase(found);
}

}  // namespace anglewise
