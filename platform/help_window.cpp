#include "platform/help_window.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "figure/picture_box.h"
#include "platform/qt_window_frame.h"
#include "platform/readable_colours.h"
#include "platform/twips.h"

namespace anglewise {
namespace {

// Word processors' twips as the text box's pixels at 96 per inch.
qreal pixels(int twips) {
  return twips / kTwipsPerPixel;
}

Qt::Alignment qtAlignment(Alignment a) {
  switch (a) {
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Justify:
      return Qt::AlignJustify;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

QTextBlockFormat blockFormat(const Paragraph& p) {
  QTextBlockFormat f;
  f.setAlignment(qtAlignment(p.alignment));
  f.setLeftMargin(pixels(p.leftIndent));
  f.setRightMargin(pixels(p.rightIndent));
  f.setTextIndent(pixels(p.firstIndent));
  f.setTopMargin(pixels(p.spaceBefore));
  f.setBottomMargin(pixels(p.spaceAfter));
  // A hanging first line ("bullet, tab, text") tabs to the left indent, as
  // word processors do. Qt measures tab stops from the line's own start.
  if (p.firstIndent < 0) {
    f.setTabPositions({QTextOption::Tab(pixels(-p.firstIndent), QTextOption::LeftTab)});
  }
  return f;
}

QTextCharFormat charFormat(const CharFormat& c) {
  QTextCharFormat f;
  f.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
  f.setFontItalic(c.italic);
  f.setFontUnderline(c.underline);
  if (!c.font.empty()) f.setFontFamilies({QString::fromStdString(c.font)});
  f.setFontPointSize(c.points);
  if (c.hasColor) f.setForeground(QColor::fromRgb(c.color));
  return f;
}

}  // namespace

namespace {

// Qt's line breaking slows with the square of an unbroken word's length, so
// every so many characters without a break a zero-width space offers one.
constexpr int kLongestUnbrokenRun = 200;
const QChar kZeroWidthSpace(0x200B);

class BreakOffering {
 public:
  QString apply(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / kLongestUnbrokenRun);
    for (QChar c : text) {
      if (c.isSpace() || c == kZeroWidthSpace) {
        unbroken_ = 0;
      } else if (++unbroken_ > kLongestUnbrokenRun) {
        out += kZeroWidthSpace;
        unbroken_ = 1;
      }
      out += c;
    }
    return out;
  }

 private:
  int unbroken_ = 0;
};

}  // namespace

const QString kCutNote =
    "[The help file goes on beyond what this window can show at once; the rest is left out.]";

bool fillTextDocument(const RichDocument& doc, QTextDocument& target, qsizetype budget) {
  target.clear();
  target.setUndoRedoEnabled(false);
  QTextCursor cursor(&target);
  // One edit block: the document is laid out once at its end, not after
  // every run, which would cost the square of a paragraph's length.
  cursor.beginEditBlock();
  bool first = true, cut = false;
  for (const Paragraph& p : doc.paragraphs) {
    budget -= kParagraphCost;
    if (budget < 0) {
      cut = true;
      break;
    }
    if (!first) cursor.insertBlock();
    first = false;
    cursor.setBlockFormat(blockFormat(p));
    BreakOffering breaks;
    for (const TextRun& run : p.runs) {
      QString text = breaks.apply(QString::fromStdString(run.text));
      text.replace(QChar('\n'), QChar::LineSeparator);
      budget -= kRunCost;
      if (text.size() > budget) {
        text.truncate(std::max<qsizetype>(budget, 0));
        cut = true;
      }
      budget -= text.size();
      cursor.insertText(text, charFormat(run.format));
      if (cut) break;
    }
    if (cut) break;
  }
  if (cut) {
    QTextCharFormat note;
    note.setFontItalic(true);
    cursor.insertBlock();
    cursor.insertText(kCutNote, note);
  }
  cursor.endEditBlock();
  return !cut;
}

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("frmHelp");
  setWindowTitle("Help Contents");
  setFont(windowFont());
  resizeClientTwips(this, 8424, 6480);
  box_ = new QTextBrowser(this);
  box_->setObjectName("RichTextBox1");
  box_->setAccessibleName("Help text");
  box_->setReadOnly(true);
  placeTwips(box_, 120, 120, 8172, 6252);
  centreOnOwner(this, owner);
}

bool HelpWindow::LoadFile(const std::string& path) {
  std::optional<RichDocument> doc = readRtfFile(path);
  if (!doc) return false;
  fillTextDocument(*doc, *box_->document());
  makeTextReadable(*box_->document(), box_->palette().color(QPalette::Base));
  box_->moveCursor(QTextCursor::Start);  // open at the top, not the last line
  return true;
}

}  // namespace anglewise
