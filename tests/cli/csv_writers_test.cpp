// The pieces batch reads and writes with: the bounded CSV reader against
// libcsv itself, UTF-8 repair, the formula rule, and the row writer.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/json_writer.h"
#include "cli/row_writer.h"
#include "cli/utf8_text.h"

namespace anglewise {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Rows as the bounded reader gives them; an overlong row ends in "<long>".
class Collect : public CsvRowSink {
 public:
  void cell(std::string_view text) override { current.emplace_back(text); }
  void endRow() override { rows.push_back(std::exchange(current, {})); }
  // Kept apart from cell and endRow, so that rows given whole are checked
  // on their own.
  void row(std::span<const std::string_view> cells) override {
    EXPECT_TRUE(current.empty());
    rows.emplace_back(cells.begin(), cells.end());
  }
  void overlongRow() override {
    current.push_back("<long>");
    endRow();
  }
  Rows rows;
  std::vector<std::string> current;
};

// Rows as libcsv alone reads them.
Rows libcsvRows(const std::string& text) {
  Collect collect;
  csv_parser parser;
  csv_init(&parser, 0);
  auto cell = [](void* data, size_t size, void* sink) {
    static_cast<Collect*>(sink)->cell({static_cast<const char*>(data), size});
  };
  auto row = [](int, void* sink) { static_cast<Collect*>(sink)->endRow(); };
  csv_parse(&parser, text.data(), text.size(), cell, row, &collect);
  csv_fini(&parser, cell, row, &collect);
  csv_free(&parser);
  return collect.rows;
}

// Fed in pieces of `piece` bytes, as reads from a pipe come.
Rows boundedRows(const std::string& text, size_t bound, size_t piece) {
  Collect collect;
  CsvReader reader(collect, bound, 1000);
  for (size_t at = 0; at < text.size(); at += piece)
    reader.feed(std::string_view(text).substr(at, piece));
  reader.finish();
  return collect.rows;
}

// Lines of 31 to 33 and of 40 cells, about where a row stops being
// given whole.
std::string manyCells() {
  std::string text;
  for (int cells : {31, 32, 33, 40}) {
    for (int i = 0; i < cells; ++i) text += (i ? ", c" : "c") + std::to_string(i);
    text += "\n";
  }
  return text;
}

struct CsvCase {
  const char* name;
  std::string text;
};

void PrintTo(const CsvCase& c, std::ostream* out) {
  *out << c.name;
}

class CsvReaderTest : public testing::TestWithParam<CsvCase> {};

// Within the bound, the reader's rows are libcsv's, however the input is cut.
TEST_P(CsvReaderTest, RowsAreLibcsvsOwn) {
  Rows expected = libcsvRows(GetParam().text);
  for (size_t piece : {1, 2, 3, 7, 4096}) {
    EXPECT_EQ(boundedRows(GetParam().text, 4096, piece), expected) << "pieces of " << piece;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CsvReaderTest,
    testing::Values(CsvCase{"Plain", "a,b\nc,d\n"}, CsvCase{"CrLf", "a,b\r\nc,d\r\n"},
                    CsvCase{"NoLastLineEnd", "a,b\nc,d"},
                    CsvCase{"BlankLines", "\n\n  \na,b\n\r\n\t\nc\n"},
                    CsvCase{"QuotedLineBreaks", "\"a\nb\",\"c\r\nd\"\ne\n"},
                    CsvCase{"DoubledQuotes", "\"a\"\"b\",\"\"\"\"\n"},
                    CsvCase{"TextAfterAClosingQuote", "\"ab\"c,d\"\ne\",f\ng\n"},
                    CsvCase{"BlanksAfterAClosingQuote", "\"ab\"  ,c\n\"d\" \n\"e\"  \"f\n\"\n"},
                    CsvCase{"QuoteInsideUnquoted", "a\"b,c\nd\n"},
                    CsvCase{"BlanksAroundCells", "  a  , b \t,\t\"c\"  \n"},
                    CsvCase{"EmptyCells", ",,\n,\n"}, CsvCase{"UnclosedQuote", "a,\"b\nc,d\n"},
                    CsvCase{"PlainAndQuotedLinesByTurns", "a,b\n\"c\",d\ne , f\n\"g\nh\"\ni\n"},
                    CsvCase{"CarriageReturnsInsideALine", "a\rb,c\r\r\nd\n"},
                    CsvCase{"CarriageReturnsAloneThenALineFeed", "a,b\rc\r\"d\"\re,f\r\ng\n"},
                    CsvCase{"BlanksOnlyAndCommasOnly", " \t \n , \t,\n\t\n"},
                    CsvCase{"ManyCells", manyCells()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvReaderBoundTest, ALongRowIsReportedWithItsFirstCellsAndSkipped) {
  std::string text = "id,x\nr1,0123456789abcdef\nr2,\"0123456789\n,,,,\"\nr3,ok\n";
  for (size_t piece : {1, 5, 100}) {
    EXPECT_EQ(boundedRows(text, 10, piece),
              (Rows{{"id", "x"}, {"r1", "<long>"}, {"r2", "<long>"}, {"r3", "ok"}}))
        << "pieces of " << piece;
  }
}

TEST(CsvReaderBoundTest, ARowWithoutEndStopsTheReading) {
  Collect collect;
  CsvReader reader(collect, 10, 100);
  EXPECT_TRUE(reader.feed("id\nr1," + std::string(50, 'x')));
  EXPECT_FALSE(reader.feed(std::string(100, 'x')));
  EXPECT_TRUE(reader.ranAway());
  EXPECT_FALSE(reader.feed("\nr2\n"));
  EXPECT_EQ(collect.rows, (Rows{{"id"}, {"r1", "<long>"}}));
}

struct Utf8Case {
  const char* name;
  std::string in, out;
};

void PrintTo(const Utf8Case& c, std::ostream* out) {
  *out << c.name;
}

class Utf8RepairTest : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8RepairTest, IllFormedPartsBecomeReplacements) {
  std::string repaired;
  appendUtf8(repaired, GetParam().in);
  EXPECT_EQ(repaired, GetParam().out);
  EXPECT_TRUE(isUtf8(repaired));
  EXPECT_EQ(isUtf8(GetParam().in), GetParam().in == GetParam().out);
  std::string json;
  JsonWriter(json).value(GetParam().in);
  EXPECT_EQ(nlohmann::json::parse(json), GetParam().out);
}

const std::string kFffd = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8RepairTest,
    testing::Values(Utf8Case{"Ascii", "X = 3", "X = 3"},
                    Utf8Case{"AllLengths", "\xc3\xa9\xe2\x96\xb3\xf0\x9f\x93\x90",
                             "\xc3\xa9\xe2\x96\xb3\xf0\x9f\x93\x90"},
                    Utf8Case{"StrayContinuation", "a\x80z", "a" + kFffd + "z"},
                    Utf8Case{"CutAtTheEnd", "a\xf0\x9f\x93", "a" + kFffd},
                    Utf8Case{"CutBeforeAscii", "\xe2\x96z", kFffd + "z"},
                    Utf8Case{"Overlong", "\xe0\x80\xaf", kFffd + kFffd + kFffd},
                    Utf8Case{"Surrogate", "\xed\xb0\x80", kFffd + kFffd + kFffd},
                    Utf8Case{"PastTheLast", "\xf4\x90\x80\x80", kFffd + kFffd + kFffd + kFffd},
                    Utf8Case{"NeverALead", "\xc1\xf5\xff", kFffd + kFffd + kFffd}),
    [](const auto& info) { return std::string(info.param.name); });

struct FormulaCase {
  const char* name;
  const char* text;
  bool formula;
};

void PrintTo(const FormulaCase& c, std::ostream* out) {
  *out << c.name;
}

class FormulaRuleTest : public testing::TestWithParam<FormulaCase> {};

TEST_P(FormulaRuleTest, TextThatASpreadsheetWouldRun) {
  EXPECT_EQ(looksLikeFormula(GetParam().text), GetParam().formula);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FormulaRuleTest,
    testing::Values(
        FormulaCase{"Empty", "", false}, FormulaCase{"Plain", "r1", false},
        FormulaCase{"Equals", "=A1", true}, FormulaCase{"At", "@A1", true},
        FormulaCase{"PlusText", "+A1", true}, FormulaCase{"MinusText", "-A1", true},
        FormulaCase{"Minus", "-", true}, FormulaCase{"Plus", "+", true},
        FormulaCase{"SignAndPoint", "-.", true}, FormulaCase{"NegativeInteger", "-5", false},
        FormulaCase{"PositiveDecimal", "+5.25", false}, FormulaCase{"TrailingPoint", "-5.", false},
        FormulaCase{"Exponent", "-1E+15", false},
        FormulaCase{"ExponentWithoutDigits", "-1E+", true},
        FormulaCase{"TwoPoints", "-1.2.3", true}, FormulaCase{"NumberThenText", "-5 apples", true},
        FormulaCase{"EqualsNumber", "=5", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RowWriterTest, CsvCellsAreUtf8AndEchoedFormulasAreText) {
  RowWriter csv(false);
  csv.begin();
  csv.text("id", "=1+2");
  csv.cell("value", "-5");
  csv.text("note", "a\xff,\"b\"");
  csv.end();
  EXPECT_EQ(csv.rows(), "id,value,note\r\n'=1+2,-5,\"a" + kFffd + ",\"\"b\"\"\"\r\n");
  EXPECT_FALSE(csv.full());
  RowWriter jsonl(true);
  jsonl.begin();
  jsonl.text("id", "=1+2");
  jsonl.text("note", "\xff");
  jsonl.end();
  EXPECT_EQ(jsonl.rows(), "{\"id\":\"=1+2\",\"note\":\"" + kFffd + "\"}\n");
}

// Plain cells are copied and checked in one pass: a comma, quote, line end
// or non-ASCII byte must be found wherever it falls, and the cells around
// it keep their commas.
TEST(RowWriterTest, EverySpecialByteIsFoundAtEveryPosition) {
  auto row = [](const std::string& cell) {
    RowWriter csv(false, false);
    csv.begin();
    csv.cell("a", "1");
    csv.cell("v", cell);
    csv.cell("b", "2");
    csv.end();
    return std::string(csv.rows());
  };
  for (size_t length : {1u, 7u, 8u, 9u, 16u, 17u, 23u}) {
    for (size_t at = 0; at < length; ++at) {
      for (char special : {',', '"', '\r', '\n'}) {
        std::string cell(length, '7');
        cell[at] = special;
        std::string inner = cell;
        if (special == '"') inner.insert(at, "\"");  // a quote is doubled
        EXPECT_EQ(row(cell), "1,\"" + inner + "\",2\r\n") << length << " " << at;
      }
      std::string cell(length, '7');
      cell[at] = '\xff';
      EXPECT_EQ(row(cell), "1," + cell.substr(0, at) + kFffd + cell.substr(at + 1) + ",2\r\n")
          << length << " " << at;
    }
  }
}

// Rows longer than the room plain cells gather in, in one cell or in many.
TEST(RowWriterTest, LongRowsKeepEveryCellInOrder) {
  for (size_t cells : {1u, 30u, 200u}) {
    for (size_t length : {0u, 15u, 479u, 480u, 2000u}) {
      RowWriter csv(false, false);
      std::string expected;
      for (int round = 0; round < 2; ++round) {
        csv.begin();
        for (size_t i = 0; i < cells; ++i) {
          std::string cell(length, static_cast<char>('a' + i % 26));
          csv.cell("c", cell);
          expected += (i > 0 ? "," : "") + cell;
        }
        csv.end();
        expected += "\r\n";
      }
      EXPECT_EQ(csv.rows(), expected) << cells << " cells of " << length;
    }
  }
}

}  // namespace
}  // namespace anglewise
