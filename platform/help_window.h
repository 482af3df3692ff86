#pragma once
// frmHelp: "Help Contents", one read-only rich-text box showing the help
// document read by the RTF reader.
#include <QDialog>
#include <QString>

#include "help/help_viewer.h"

class QTextBrowser;
class QTextDocument;

namespace anglewise {

/// What the help window lays out in a second or two, even as one paragraph
/// that cannot be laid out piecemeal: a character costs one unit (about a
/// quarter of a microsecond here), a run of one format and a paragraph more.
inline constexpr qsizetype kHelpShownBudget = 5'000'000;
inline constexpr qsizetype kParagraphCost = 16;
inline constexpr qsizetype kRunCost = 40;
/// The note that ends a document cut short.
extern const QString kCutNote;

/// Fills `target` with the runs and paragraphs of `doc`, up to `budget`;
/// a longer document is cut there and ends with kCutNote. True when all of
/// it fits.
bool fillTextDocument(const RichDocument& doc, QTextDocument& target,
                      qsizetype budget = kHelpShownBudget);

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
