#pragma once
// A rich-text document as the help window shows it: paragraphs of runs of
// text that share one character format. Text is UTF-8; a line break inside
// a paragraph is "\n" and a tab "\t".
#include <cstdint>
#include <string>
#include <vector>

namespace anglewise {

struct CharFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::string font;    ///< empty: the viewer's own font
  double points = 12;  ///< font size
  bool hasColor = false;
  uint32_t color = 0;  ///< 0xRRGGBB when hasColor
  friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

struct TextRun {
  std::string text;
  CharFormat format;
};

enum class Alignment { Left, Center, Right, Justify };

struct Paragraph {
  Alignment alignment = Alignment::Left;
  int leftIndent = 0;   ///< twips
  int rightIndent = 0;  ///< twips
  int firstIndent = 0;  ///< twips, relative to leftIndent, may be negative
  int spaceBefore = 0;  ///< twips
  int spaceAfter = 0;   ///< twips
  std::vector<TextRun> runs;
};

struct RichDocument {
  std::vector<Paragraph> paragraphs;
  /// The text alone: paragraphs joined by "\n".
  std::string plainText() const;
};

}  // namespace anglewise
