#include "platform/help_window.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/qt_window_frame.h"
#include "platform/twips.h"

namespace anglewise {
namespace {

// Word processors' twips as the text box's pixels at 96 per inch.
qreal pixels(int twips) {
  return twips / 15.0;
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

void fillTextDocument(const RichDocument& doc, QTextDocument& target) {
  target.clear();
  QTextCursor cursor(&target);
  bool first = true;
  for (const Paragraph& p : doc.paragraphs) {
    if (!first) cursor.insertBlock();
    first = false;
    cursor.setBlockFormat(blockFormat(p));
    for (const TextRun& run : p.runs) {
      QString text = QString::fromStdString(run.text);
      text.replace(QChar('\n'), QChar::LineSeparator);
      cursor.insertText(text, charFormat(run.format));
    }
  }
}

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("frmHelp");
  setWindowTitle("Help Contents");
  setFont(windowFont());
  resizeClientTwips(this, 8424, 6480);
  box_ = new QTextBrowser(this);
  box_->setObjectName("RichTextBox1");
  box_->setReadOnly(true);
  placeTwips(box_, 120, 120, 8172, 6252);
  centreOnOwner(this, owner);
}

bool HelpWindow::LoadFile(const std::string& path) {
  std::optional<RichDocument> doc = readRtfFile(path);
  if (!doc) return false;
  fillTextDocument(*doc, *box_->document());
  box_->moveCursor(QTextCursor::Start);  // open at the top, not the last line
  return true;
}

}  // namespace anglewise
