#pragma once
// frmHelp: "Help Contents", one read-only rich-text box showing the help
// document read by the RTF reader.
#include <QDialog>

#include "help/help_viewer.h"

class QTextBrowser;
class QTextDocument;

namespace anglewise {

/// Fills `target` with the runs and paragraphs of `doc`.
void fillTextDocument(const RichDocument& doc, QTextDocument& target);

class HelpWindow : public QDialog, public RichTextBox {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* owner);
  bool LoadFile(const std::string& path) override;
  QTextBrowser* textBox() const { return box_; }

 private:
  QTextBrowser* box_;
};

}  // namespace anglewise
