#pragma once
// What the window offers beside its designed controls: the Triangle Report
// window, copying the results, the report and the figure, and saving the
// figure and the report page as files. Every command sits in one menu of
// our own on the menu bar ("&Triangle", before Help), in the context menus
// of the Details frame, the figure and the report, and has a shortcut that
// works from every window of ours.
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

#include "figure/recording_picture_box.h"
#include "mainwindow/lifecycle.h"
#include "mainwindow/main_window.h"
#include "platform/any_three_window.h"
#include "platform/main_window_widget.h"
#include "platform/report_window.h"

class QAction;
class QLabel;
class QMenu;

namespace anglewise {

class ReportActions : public QObject {
  Q_OBJECT
 public:
  ReportActions(MainWindowWidget& widget, MainWindow& model, const RecordingPictureBox& figure,
                SettingsStore& settings);
  ~ReportActions() override;

  /// After every command: the report window and the Status panel anew; the
  /// report opens by itself when the shown triangle does not fit together
  /// (unless the user turned that off).
  void refresh();
  /// The report as it stands now.
  TriangleReport report() const;
  /// Whether the shown triangle fitted together at the last refresh (the
  /// history's verdict, without making the report again).
  bool consistent() const { return consistent_; }

  void showReportWindow();
  /// "Solve from Any Three": opens (or brings forward) its window.
  void showAnyThreeWindow();
  /// The twelve value lines as the printed page shows them.
  void copyResults();
  /// The report as plain text and as HTML.
  void copyReport();
  /// The figure as an image and as SVG.
  void copyFigure();
  /// Writes the figure (SVG, PNG or PDF by the name's ending) or the report
  /// page (PDF); returns "" or why it could not.
  std::string saveFigure(const QString& path) const;
  std::string saveReportPdf(const QString& path) const;
  void saveFigureAs();
  void saveReportAsPdf();

  /// Lets a window of ours take the commands' shortcuts and offers them in
  /// its context menu.
  void offerCommandsIn(QWidget* window);

  /// The report window once opened, else nullptr.
  ReportWindow* window() const { return window_; }
  /// The any-three window once opened, else nullptr.
  AnyThreeWindow* anyThreeWindow() const { return anyThree_; }
  /// The commands, in the order of the menus.
  const QList<QAction*>& actions() const { return actions_; }
  /// Our own menu on the menu bar.
  QMenu* menu() const { return menu_; }
  /// Whether the report opens by itself for a triangle that does not fit.
  QAction* openWhenNotFitting() const { return openWhenNotFitting_; }
  /// The Status panel of the status bar.
  QLabel* statusPanel() const { return status_; }

  /// Asks for a file name to save to (QFileDialog's by default): title,
  /// start path, filters, and the chosen filter back.
  std::function<QString(const QString&, const QString&, const QString&, QString*)> askSavePath;

 private:
  QAction* addAction(const QString& text, const QKeySequence& keys, void (ReportActions::*run)());
  void buildMenu();
  void openReportWindow(bool activate);
  bool engineReady();
  void offerContextMenu(QWidget* where, const QPoint& at);
  QString askFileName(const QString& title, const QString& name, const QString& filters);
  std::string setting(const char* key) const;

  MainWindowWidget& widget_;
  MainWindow& model_;
  const RecordingPictureBox& figure_;
  SettingsStore& settings_;
  QPointer<ReportWindow> window_;
  QPointer<AnyThreeWindow> anyThree_;
  QList<QAction*> actions_;
  QMenu* menu_ = nullptr;
  QAction* openWhenNotFitting_ = nullptr;
  QLabel* status_ = nullptr;
  bool consistent_ = true;
  bool engineMissingTold_ = false;
};

}  // namespace anglewise
