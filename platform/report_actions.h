#pragma once
// What the window offers beside its designed controls: the Triangle Report
// window, copying the results, the report and the figure, and saving the
// figure and the report page as files. Reached from context menus on the
// Details frame and the figure, and by keyboard shortcuts.
#include <QList>
#include <QObject>
#include <QPointer>

#include "figure/recording_picture_box.h"
#include "mainwindow/main_window.h"
#include "platform/main_window_widget.h"
#include "platform/report_window.h"

class QAction;
class QLabel;

namespace anglewise {

class ReportActions : public QObject {
  Q_OBJECT
 public:
  ReportActions(MainWindowWidget& widget, MainWindow& model, const RecordingPictureBox& figure);

  /// After every command: the report window and the Status panel anew.
  void refresh();
  /// The report as it stands now.
  TriangleReport report() const;

  void showReportWindow();
  /// The twelve value lines as the printed page shows them.
  void copyResults();
  /// The report as plain text and as HTML.
  void copyReport();
  /// The figure as an image and as SVG.
  void copyFigure();
  /// Writes the figure (SVG or PNG by the name's ending) or the report
  /// page (PDF); returns "" or why it could not.
  std::string saveFigure(const QString& path) const;
  std::string saveReportPdf(const QString& path) const;

  /// The report window once opened, else nullptr.
  ReportWindow* window() const { return window_; }
  /// The commands, in the order of the context menus.
  const QList<QAction*>& actions() const { return actions_; }
  /// The Status panel of the status bar.
  QLabel* statusPanel() const { return status_; }

 private:
  QAction* addAction(const QString& text, const QKeySequence& keys, void (ReportActions::*run)());
  void saveFigureAs();
  void saveReportAsPdf();
  void offerContextMenu(QWidget* where);

  MainWindowWidget& widget_;
  MainWindow& model_;
  const RecordingPictureBox& figure_;
  QPointer<ReportWindow> window_;
  QList<QAction*> actions_;
  QLabel* status_ = nullptr;
};

}  // namespace anglewise
