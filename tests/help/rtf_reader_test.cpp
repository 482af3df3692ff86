#include <gtest/gtest.h>
#include <fstream>
#include <sstream>

#include "help/help_viewer.h"
#include "help/rtf_reader.h"

namespace anglewise {
namespace {

std::string slurp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream s;
  s << file.rdbuf();
  return s.str();
}

// The runs of ASCII letters and digits: unrtf's plain text writes characters
// outside ASCII as "?" or raw code-page bytes, so only these compare.
std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> out;
  std::string word;
  for (char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80) {
      word += c;
    } else if (!word.empty()) {
      out.push_back(word);
      word.clear();
    }
  }
  if (!word.empty()) out.push_back(word);
  return out;
}

RichDocument read(const std::string& rtf) {
  auto doc = readRtf(rtf);
  EXPECT_TRUE(doc.has_value()) << rtf;
  return doc.value_or(RichDocument{});
}

std::string text(const std::string& rtf) {
  return read(rtf).plainText();
}

struct WriterCase {
  const char* rtf;
  const char* reference;  // unrtf --text of the same file, banner removed
};

// A case is named by its file, not by where the source tree lies.
void PrintTo(const WriterCase& c, std::ostream* out) {
  std::string path = c.rtf;
  *out << path.substr(path.find_last_of('/') + 1);
}

class RealWriters : public ::testing::TestWithParam<WriterCase> {};

TEST_P(RealWriters, GiveTheWordsUnrtfFinds) {
  auto doc = readRtfFile(GetParam().rtf);
  ASSERT_TRUE(doc.has_value());
  EXPECT_EQ(words(doc->plainText()), words(slurp(GetParam().reference)));
}

INSTANTIATE_TEST_SUITE_P(
    Files, RealWriters,
    ::testing::Values(WriterCase{TEST_DATA "/pandoc.rtf", TEST_DATA "/pandoc.unrtf.txt"},
                      WriterCase{TEST_DATA "/abiword.rtf", TEST_DATA "/abiword.unrtf.txt"},
                      WriterCase{HELP_FILE, TEST_DATA "/helpanglewise.unrtf.txt"}));

TEST(RtfReader, PandocTextKeepsItsCharactersAndEmphasis) {
  auto doc = readRtfFile(TEST_DATA "/pandoc.rtf");
  ASSERT_TRUE(doc.has_value());
  EXPECT_NE(doc->plainText().find("180°. Knowing three of the six — at least"), std::string::npos);
  EXPECT_NE(doc->plainText().find("(the “ambiguous case”)"), std::string::npos);
  const Paragraph& heading = doc->paragraphs.at(2);  // after the title and a blank
  EXPECT_TRUE(heading.runs.at(0).format.bold);
  EXPECT_EQ(heading.runs.at(0).format.points, 18);
  EXPECT_EQ(heading.runs.at(0).format.font, "Helvetica");
}

TEST(RtfReader, CharacterFormatsMakeRuns) {
  RichDocument doc = read(
      R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fmodern Courier New;}}{\colortbl;\red255\green0\blue0;})"
      R"(\f0\fs20 a{\b b}{\i i}{\ul u\ulnone n}\f1\fs30\cf1 c\plain p})");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 7u);
  EXPECT_EQ(runs[0].text, "a");
  EXPECT_EQ(runs[0].format.font, "Arial");
  EXPECT_EQ(runs[0].format.points, 10);
  EXPECT_TRUE(runs[1].format.bold);
  EXPECT_TRUE(runs[2].format.italic);
  EXPECT_TRUE(runs[3].format.underline);
  EXPECT_FALSE(runs[4].format.underline);
  EXPECT_EQ(runs[5].format.font, "Courier New");
  EXPECT_EQ(runs[5].format.points, 15);
  EXPECT_TRUE(runs[5].format.hasColor);
  EXPECT_EQ(runs[5].format.color, 0xFF0000u);
  EXPECT_EQ(runs[6].format, CharFormat{});
}

TEST(RtfReader, ParagraphFormatIsThatInForceAtTheParagraphEnd) {
  RichDocument doc =
      read(R"({\rtf1\qc\li720\ri360\fi-240\sb120\sa60 one\par\pard\qr two\par\qj three})");
  ASSERT_EQ(doc.paragraphs.size(), 3u);
  const Paragraph& p = doc.paragraphs[0];
  EXPECT_EQ(p.alignment, Alignment::Center);
  EXPECT_EQ(p.leftIndent, 720);
  EXPECT_EQ(p.rightIndent, 360);
  EXPECT_EQ(p.firstIndent, -240);
  EXPECT_EQ(p.spaceBefore, 120);
  EXPECT_EQ(p.spaceAfter, 60);
  EXPECT_EQ(doc.paragraphs[1].alignment, Alignment::Right);
  EXPECT_EQ(doc.paragraphs[1].leftIndent, 0);
  EXPECT_EQ(doc.paragraphs[2].alignment, Alignment::Justify);
}

struct TextCase {
  const char* rtf;
  const char* text;
};

template <size_t N>
void expectTexts(const TextCase (&cases)[N]) {
  for (const TextCase& c : cases) EXPECT_EQ(text(c.rtf), c.text) << c.rtf;
}

TEST(RtfReader, CharactersAndEscapes) {
  const TextCase cases[] = {
      {R"({\rtf1 caf\'e9 \'80 \'93q\'94})", "café € “q”"},
      {R"({\rtf1 \u8364?\u-4064?})", "€\uF020"},
      {R"({\rtf1\uc2 a\u233\'3f\'3fb})", "aéb"},
      {R"({\rtf1\uc0 a\u233 b})", "aéb"},
      {R"({\rtf1{\uc3 x\u233 abc}d})", "xéd"},
      {R"({\rtf1 \u-10179?\u-8704?})", "😀"},
      {R"({\rtf1 a\line b\tab c\par d})", "a\nb\tc\nd"},
      {R"({\rtf1 \{x\}\\y\~z\-w\_v})", "{x}\\y\u00A0zw\u2011v"},
      {R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})", "—–•‘’“”"},
      {"{\\rtf1 line\r\nbreaks\nvanish}", "linebreaksvanish"},
      {"{\\rtf1 a\\\nb}", "a\nb"},
      {R"({\rtf1 a\bin3 }}}b})", "ab"},
      {R"({\rtf1 a\unknownword42 b\foo c})", "abc"},
  };
  expectTexts(cases);
}

TEST(RtfReader, SkipsDestinationsThatAreNotText) {
  const TextCase cases[] = {
      {R"({\rtf1{\*\generator Writer 1.0;}a})", "a"},
      {R"({\rtf1{\*\somethingnew {deep {er}} text}a})", "a"},
      {R"({\rtf1{\info{\title T}{\author A}}a})", "a"},
      {R"({\rtf1{\stylesheet{\s1 Heading;}}a})", "a"},
      {R"({\rtf1{\pict\pngblip 89504e47}a})", "a"},
      {R"({\rtf1{\header h}{\footer f}a})", "a"},
      {R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt shown}}})", "shown"},
      {R"({\rtf1{\fonttbl{\f0{\*\panose 0}Arial{\*\falt Helv};}}a})", "a"},
  };
  expectTexts(cases);
}

TEST(RtfReader, MalformedInputReadsAsFarAsItMakesSense) {
  EXPECT_FALSE(readRtf("plain text").has_value());
  EXPECT_FALSE(readRtf("").has_value());
  EXPECT_FALSE(readRtf("{\\rt").has_value());
  EXPECT_EQ(text("{\\rtf1 no closing brace"), "no closing brace");
  EXPECT_EQ(text("{\\rtf1 a}b after the end"), "a");
  EXPECT_EQ(text("{\\rtf1 trailing backslash\\"), "trailing backslash");
  EXPECT_EQ(text("{\\rtf1 bad hex\\'zz!"), "bad hexzz!");
  EXPECT_EQ(text("{\\rtf1 \\bin999999999 x}"), "");
  EXPECT_EQ(text("{\\rtf1 \\fs-5 \\fs99999999999 \\li-99999999 x}"), "x");
  std::string deep = "{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100000, '}') + "y}";
  EXPECT_EQ(text(deep), "xy");
}

}  // namespace
}  // namespace anglewise
