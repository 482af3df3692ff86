#include "platform/any_three_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QThreadPool>
#include <QVBoxLayout>
#include <memory>

#include "engine/report_engine.h"
#include "platform/report_view.h"
#include "platform/window_placement.h"

namespace anglewise {
namespace {

using anysolve::Measure;

struct MeasureGroup {
  const char* title;
  std::vector<Measure> members;
};

// The rows as they stand in the window: three groups a line.
const std::vector<MeasureGroup>& measureGroups() {
  using M = Measure;
  static const std::vector<MeasureGroup> groups = {
      {"Sides", {M::X, M::Y, M::Z}},
      {"Angles (degrees or D/M/S)", {M::A, M::B, M::C}},
      {"Heights to the sides", {M::hX, M::hY, M::hZ}},
      {"Medians to the sides", {M::mX, M::mY, M::mZ}},
      {"Bisectors of the angles", {M::tA, M::tB, M::tC}},
      {"Whole triangle", {M::Area, M::Perimeter, M::Inradius, M::Circumradius}},
  };
  return groups;
}

constexpr int kPlaces[] = {4, 8, 12, 14};
constexpr int kDefaultPlaces = 12;

// The measures' table lives in the engine, with the solver that reads them.
const anysolve::MeasureInfo& infoOf(Measure measure) {
  return reportEngine().measures()[static_cast<size_t>(measure)];
}

// "the height to X" -> "Height to X", for accessible names.
QString spokenName(Measure measure) {
  QString words = QString::fromUtf8(infoOf(measure).words);
  if (words.startsWith("the ")) words = words.mid(4);
  words[0] = words[0].toUpper();
  return words;
}

QString sentence(const std::string& text) {
  QString out = QString::fromStdString(text);
  if (!out.isEmpty()) out[0] = out[0].toUpper();
  return out;
}

}  // namespace

AnyThreeWindow::AnyThreeWindow(const QWidget* beside) : QDialog(nullptr) {
  setObjectName("frmAnyThree");
  setWindowTitle("Solve from Any Three");
  setModal(false);
  setAccessibleName("Solve from Any Three");
  QWidget* measures = buildMeasureRows();

  auto* placesLabel = new QLabel("&Places:", this);
  places_ = new QComboBox(this);
  places_->setObjectName("anyPlaces");
  for (int places : kPlaces) places_->addItem(QString("%1 places").arg(places), places);
  places_->setCurrentIndex(places_->findData(kDefaultPlaces));
  places_->setAccessibleName("Decimal places of the results");
  placesLabel->setBuddy(places_);
  solve_ = new QPushButton("&Solve", this);
  solve_->setObjectName("anySolve");
  solve_->setDefault(true);  // Enter in a field solves
  solve_->setAccessibleDescription("Finds every triangle the three ticked measures make");
  clear_ = new QPushButton("C&lear", this);
  clear_->setObjectName("anyClear");
  clear_->setAccessibleDescription("Empties every field and unticks every box");
  connect(solve_, &QPushButton::clicked, this, &AnyThreeWindow::solve);
  connect(clear_, &QPushButton::clicked, this, &AnyThreeWindow::clear);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(placesLabel);
  buttons->addWidget(places_);
  buttons->addStretch();
  buttons->addWidget(solve_);
  buttons->addWidget(clear_);

  verdict_ = new QLabel("Type three measures, tick them, and press Solve.", this);
  verdict_->setObjectName("anyVerdict");
  verdict_->setWordWrap(true);
  verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // No accessible name of its own: a screen reader reads the sentence.

  view_ = new ReportView(this);
  view_->hide();  // until there is a report to show
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(measures);
  layout->addLayout(buttons);
  layout->addWidget(verdict_);
  layout->addWidget(view_, 1);
  layout->addStretch();  // holds the rows at the top while no report is shown

  // Tab goes down the rows field then box, then to the buttons and the report.
  QWidget* last = nullptr;
  for (const MeasureGroup& group : measureGroups()) {
    for (Measure m : group.members) {
      const Row& row = rows_[static_cast<size_t>(m)];
      if (last) setTabOrder(last, row.field);
      setTabOrder(row.field, row.given);
      last = row.given;
    }
  }
  setTabOrder(last, places_);
  setTabOrder(places_, solve_);
  setTabOrder(solve_, clear_);
  rows_.front().field->setFocus();

  constexpr QSize kDesignedSize(640, 860);
  if (beside) {
    placeWindowBeside(*this, kDesignedSize, *beside);
  } else {
    resize(kDesignedSize);
  }
}

// A row per measure: its box, ticked when the measure is given, and its
// field; typing in a field ticks its box and emptying it unticks it.
QWidget* AnyThreeWindow::buildMeasureRows() {
  auto* panel = new QWidget(this);
  panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  int index = 0;
  for (const MeasureGroup& group : measureGroups()) {
    auto* box = new QGroupBox(group.title, panel);
    auto* rows = new QGridLayout(box);
    rows->setContentsMargins(6, 4, 6, 4);
    rows->setVerticalSpacing(2);
    int line = 0;
    for (Measure m : group.members) {
      Row& row = rows_[static_cast<size_t>(m)];
      QString name = QString::fromUtf8(infoOf(m).name);
      QString spoken = spokenName(m);
      row.given = new QCheckBox(name, box);
      row.given->setObjectName("given_" + name);
      row.given->setAccessibleName(spoken + " given");
      row.given->setToolTip(spoken);
      row.field = new QLineEdit(box);
      // Room for a number like 123.4567 even on a narrow screen.
      row.field->setMinimumWidth(row.field->fontMetrics().horizontalAdvance("0000.00000"));
      row.field->setObjectName("field_" + name);
      row.field->setAccessibleName(spoken);
      row.field->setToolTip(spoken);
      QCheckBox* given = row.given;
      connect(row.field, &QLineEdit::textEdited, given,
              [given](const QString& text) { given->setChecked(!text.trimmed().isEmpty()); });
      rows->addWidget(row.given, line, 0);
      rows->addWidget(row.field, line, 1);
      ++line;
    }
    rows->setRowStretch(line, 1);
    grid->addWidget(box, index / 3, index % 3);
    ++index;
  }
  for (int column = 0; column < 3; ++column) grid->setColumnStretch(column, 1);
  return panel;
}

QLineEdit* AnyThreeWindow::field(Measure measure) const {
  return rows_[static_cast<size_t>(measure)].field;
}

QCheckBox* AnyThreeWindow::givenBox(Measure measure) const {
  return rows_[static_cast<size_t>(measure)].given;
}

void AnyThreeWindow::solve() {
  std::vector<std::pair<std::string, std::string>> given;
  for (const anysolve::MeasureInfo& m : reportEngine().measures()) {
    const Row& row = rows_[static_cast<size_t>(m.measure)];
    if (row.given->isChecked()) {
      given.emplace_back(m.name, row.field->text().trimmed().toStdString());
    }
  }
  std::string refusal;
  std::optional<ReportInput> input =
      reportEngine().givenReportInput(given, places_->currentData().toInt(), refusal);
  if (!input) {
    showRefusal(refusal);
    return;
  }
  // Most searches take milliseconds, a few seconds: off the window's
  // thread, so it stays live; a later Solve supersedes an earlier one.
  int asked = ++solves_;
  solving_ = true;
  verdict_->setText("Solving...");
  QPointer<AnyThreeWindow> self(this);
  QThreadPool::globalInstance()->start([self, asked, input = std::move(*input)] {
    auto report = std::make_shared<TriangleReport>(reportEngine().makeReport(input));
    reportEngine().releaseThreadCaches();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self, asked, report] {
          if (self && self->solves_ == asked) self->showSolved(*report);
        },
        Qt::QueuedConnection);
  });
}

void AnyThreeWindow::showSolved(const TriangleReport& report) {
  solving_ = false;
  report_ = report;
  verdict_->setText(QString::fromStdString(reportEngine().reportHeadline(report_)));
  view_->showReport(report_);
  view_->show();
}

void AnyThreeWindow::showRefusal(const std::string& sentence) {
  ++solves_;  // a search still running is no longer wanted
  solving_ = false;
  report_ = TriangleReport();
  verdict_->setText(anglewise::sentence(sentence));
  view_->hide();  // no report: the sentence says why
}

void AnyThreeWindow::clear() {
  for (Row& row : rows_) {
    row.field->clear();
    row.given->setChecked(false);
  }
  rows_.front().field->setFocus();
}

}  // namespace anglewise
