#include "help/rtf_reader.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "help/code_page.h"

namespace anglewise {
namespace {

// Where the text of a group goes.
enum class Destination { Body, Skip, FontTable, ColorTable };

struct ParagraphFormat {
  Alignment alignment = Alignment::Left;
  int leftIndent = 0, rightIndent = 0, firstIndent = 0, spaceBefore = 0, spaceAfter = 0;
};

struct GroupState {
  Destination destination = Destination::Body;
  CharFormat format;
  ParagraphFormat paragraph;
  int unicodeSkip = 1;  // \uc: characters that stand in for each \u
};

// Groups nested deeper than this keep the state of the deepest one; no
// writer nests anywhere near so deep, and it bounds memory on bad input.
constexpr size_t kMaxDepth = 512;

// Whole groups whose text is not part of the document.
bool isSkippedDestination(const std::string& word) {
  static const std::array<const char*, 33> kSkipped = {
      "stylesheet", "info",         "pict",
      "object",     "header",       "headerl",
      "headerr",    "headerf",      "footer",
      "footerl",    "footerr",      "footerf",
      "footnote",   "listtable",    "listoverridetable",
      "revtbl",     "rsidtbl",      "generator",
      "xmlnstbl",   "themedata",    "colorschememapping",
      "datastore",  "latentstyles", "fldinst",
      "filetbl",    "pn",           "pgdsctbl",
      "mmathPr",    "bkmkstart",    "bkmkend",
      "nonshppict", "template",     "userprops"};
  return std::find(kSkipped.begin(), kSkipped.end(), word) != kSkipped.end();
}

// Control words that stand for one character.
std::optional<char32_t> symbolWord(const std::string& word) {
  static const std::map<std::string, char32_t> kSymbols = {
      {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
      {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
      {"enspace", 0x2002}, {"qmspace", 0x2005},   {"tab", U'\t'},        {"line", U'\n'},
      {"cell", U'\t'},     {"lbr", U'\n'}};
  auto it = kSymbols.find(word);
  if (it == kSymbols.end()) return std::nullopt;
  return it->second;
}

class Reader {
 public:
  explicit Reader(std::string_view rtf) : in_(rtf) {}

  RichDocument read() {
    stack_.push_back(GroupState{});  // below the document's group
    while (pos_ < in_.size() && !stack_.empty()) step();
    endParagraph(false);
    return std::move(doc_);
  }

 private:
  GroupState& group() { return stack_.back(); }

  void step() {
    char c = in_[pos_++];
    switch (c) {
      case '{':
        openGroup();
        break;
      case '}':
        closeGroup();
        break;
      case '\\':
        controlWord();
        break;
      case '\r':
      case '\n':
        break;
      case '\t':
        character(U'\t');
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20) {
          character(fromCodePage1252(static_cast<unsigned char>(c)));
        }
    }
  }

  void openGroup() {
    pendingSkip_ = 0;
    if (stack_.size() >= kMaxDepth) {
      ++excessDepth_;
      return;
    }
    GroupState inner = group();
    stack_.push_back(std::move(inner));
    ignorableNext_ = false;
  }

  void closeGroup() {
    pendingSkip_ = 0;
    if (excessDepth_ > 0) {
      --excessDepth_;
      return;
    }
    if (group().destination == Destination::FontTable) finishFontName();
    if (stack_.size() <= 2) {
      // The document's own group ends the document; what follows is not read.
      endParagraph(false);
      stack_.clear();
      return;
    }
    stack_.pop_back();
  }

  void controlWord() {
    if (pos_ >= in_.size()) return;
    char c = in_[pos_];
    if (!isAlpha(c)) {
      ++pos_;
      controlSymbol(c);
      return;
    }
    size_t start = pos_;
    while (pos_ < in_.size() && isAlpha(in_[pos_]) && pos_ - start < 32) ++pos_;
    std::string word(in_.substr(start, pos_ - start));
    std::optional<int> param = readParameter();
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter
    if (pendingSkip_ > 0 && word != "bin") {
      --pendingSkip_;
      return;
    }
    apply(word, param);
  }

  static bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

  std::optional<int> readParameter() {
    bool negative = pos_ < in_.size() && in_[pos_] == '-';
    size_t start = negative ? pos_ + 1 : pos_;
    size_t end = start;
    long long value = 0;
    while (end < in_.size() && in_[end] >= '0' && in_[end] <= '9') {
      if (value < 1000000000) value = value * 10 + (in_[end] - '0');
      ++end;
    }
    if (end == start) return std::nullopt;
    pos_ = end;
    return static_cast<int>(negative ? -value : value);
  }

  void controlSymbol(char c) {
    switch (c) {
      case '*':
        ignorableNext_ = true;
        return;
      case '\'': {
        int byte = readHexByte();
        if (pendingSkip_ > 0) {
          --pendingSkip_;
        } else if (byte >= 0) {
          character(fromCodePage1252(static_cast<unsigned char>(byte)));
        }
        return;
      }
      case '\r':
      case '\n':
        apply("par", std::nullopt);
        return;
      case '~':
        character(0x00A0);
        return;
      case '_':
        character(0x2011);
        return;
      case '-':
        return;  // optional hyphen
      default:
        character(static_cast<unsigned char>(c));  // \\, \{, \} and the like
    }
  }

  int readHexByte() {
    int value = 0;
    for (int i = 0; i < 2; ++i) {
      if (pos_ >= in_.size()) return -1;
      char h = in_[pos_];
      int digit = h >= '0' && h <= '9'   ? h - '0'
                  : h >= 'a' && h <= 'f' ? h - 'a' + 10
                  : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                         : -1;
      if (digit < 0) return -1;
      value = value * 16 + digit;
      ++pos_;
    }
    return value;
  }

  void apply(const std::string& word, std::optional<int> param) {
    bool ignorable = ignorableNext_;
    ignorableNext_ = false;
    GroupState& g = group();
    int n = param.value_or(0);
    bool on = !param || *param != 0;

    if (word == "fonttbl") {
      g.destination = Destination::FontTable;
    } else if (word == "colortbl") {
      g.destination = Destination::ColorTable;
      colors_.clear();
      color_ = {};
    } else if (isSkippedDestination(word) || ignorable) {
      g.destination = Destination::Skip;
    } else if (word == "bin") {
      pos_ += std::min<size_t>(std::max(n, 0), in_.size() - pos_);
    } else if (word == "u") {
      unicode(n);
    } else if (word == "uc") {
      g.unicodeSkip = std::clamp(n, 0, 10);
    } else if (word == "par" || word == "sect" || word == "page" || word == "row") {
      endParagraph(true);
    } else if (auto symbol = symbolWord(word)) {
      character(*symbol);
    } else if (g.destination == Destination::ColorTable) {
      colorWord(word, n);
    } else if (word == "f") {
      if (g.destination == Destination::FontTable) {
        finishFontName();
        fontNumber_ = n;
      } else {
        g.format.font = fontName(n);
      }
    } else {
      formatWord(g, word, n, on);
    }
  }

  void formatWord(GroupState& g, const std::string& word, int n, bool on) {
    CharFormat& f = g.format;
    ParagraphFormat& p = g.paragraph;
    if (word == "b")
      f.bold = on;
    else if (word == "i")
      f.italic = on;
    else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "uldash")
      f.underline = on;
    else if (word == "ulnone")
      f.underline = false;
    else if (word == "fs")
      f.points = n > 0 ? std::min(n, 3276) / 2.0 : 12;
    else if (word == "cf")
      setColor(f, n);
    else if (word == "plain")
      f = CharFormat{};
    else if (word == "pard")
      p = ParagraphFormat{};
    else if (word == "ql")
      p.alignment = Alignment::Left;
    else if (word == "qc")
      p.alignment = Alignment::Center;
    else if (word == "qr")
      p.alignment = Alignment::Right;
    else if (word == "qj")
      p.alignment = Alignment::Justify;
    else if (word == "li")
      p.leftIndent = clampTwips(n);
    else if (word == "ri")
      p.rightIndent = clampTwips(n);
    else if (word == "fi")
      p.firstIndent = clampTwips(n);
    else if (word == "sb")
      p.spaceBefore = clampTwips(n);
    else if (word == "sa")
      p.spaceAfter = clampTwips(n);
  }

  static int clampTwips(int n) { return std::clamp(n, -31680, 31680); }  // 22 inches

  void setColor(CharFormat& f, int index) {
    f.hasColor = index > 0 && index < static_cast<int>(colors_.size()) && colors_[index];
    f.color = f.hasColor ? *colors_[index] : 0;
  }

  void colorWord(const std::string& word, int n) {
    uint32_t v = static_cast<uint32_t>(std::clamp(n, 0, 255));
    if (word == "red") color_.rgb = (color_.rgb & 0x00FFFF) | (v << 16), color_.set = true;
    if (word == "green") color_.rgb = (color_.rgb & 0xFF00FF) | (v << 8), color_.set = true;
    if (word == "blue") color_.rgb = (color_.rgb & 0xFFFF00) | v, color_.set = true;
  }

  std::string fontName(int number) const {
    auto it = fonts_.find(number);
    return it == fonts_.end() ? std::string() : it->second;
  }

  void finishFontName() {
    if (fontNumber_ && !fontText_.empty()) fonts_[*fontNumber_] = fontText_;
    fontText_.clear();
  }

  void unicode(int n) {
    char32_t unit = static_cast<char32_t>(n < 0 ? n + 65536 : n) & 0xFFFF;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      highSurrogate_ = unit;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_) {
      character(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
      highSurrogate_ = 0;
    } else {
      highSurrogate_ = 0;
      character(unit);
    }
    pendingSkip_ = group().unicodeSkip;
  }

  void character(char32_t c) {
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return;
    }
    GroupState& g = group();
    switch (g.destination) {
      case Destination::Body:
        appendToBody(c);
        break;
      case Destination::FontTable:
        if (c == U';') {
          finishFontName();
        } else if (fontText_.size() < 256) {
          appendUtf8(fontText_, c);
        }
        break;
      case Destination::ColorTable:
        if (c == U';') {
          colors_.push_back(color_.set ? std::optional<uint32_t>(color_.rgb) : std::nullopt);
          color_ = {};
        }
        break;
      case Destination::Skip:
        break;
    }
  }

  void appendToBody(char32_t c) {
    const CharFormat& f = group().format;
    if (runs_.empty() || !(runs_.back().format == f)) runs_.push_back(TextRun{{}, f});
    appendUtf8(runs_.back().text, c);
  }

  // Ends the paragraph with the paragraph format in force at its end, as
  // RTF has it; at the end of the document only one that holds text counts.
  void endParagraph(bool explicitEnd) {
    if (stack_.empty() || group().destination != Destination::Body) return;
    if (!explicitEnd && runs_.empty()) return;
    const ParagraphFormat& p = group().paragraph;
    Paragraph para{p.alignment,   p.leftIndent, p.rightIndent,   p.firstIndent,
                   p.spaceBefore, p.spaceAfter, std::move(runs_)};
    doc_.paragraphs.push_back(std::move(para));
    runs_.clear();
  }

  std::string_view in_;
  size_t pos_ = 0;
  std::vector<GroupState> stack_;
  size_t excessDepth_ = 0;
  bool ignorableNext_ = false;
  int pendingSkip_ = 0;
  char32_t highSurrogate_ = 0;

  std::map<int, std::string> fonts_;
  std::optional<int> fontNumber_;
  std::string fontText_;
  struct PendingColor {
    uint32_t rgb = 0;
    bool set = false;
  } color_;
  std::vector<std::optional<uint32_t>> colors_;

  std::vector<TextRun> runs_;
  RichDocument doc_;
};

}  // namespace

std::optional<RichDocument> readRtf(std::string_view rtf) {
  size_t start = rtf.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos || rtf.substr(start, 5) != "{\\rtf") return std::nullopt;
  return Reader(rtf.substr(start)).read();
}

}  // namespace anglewise
