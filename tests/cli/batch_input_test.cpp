// Batch solving against careless and hostile input, through the real
// binary: every row keeps its id, every line written is UTF-8, echoed text
// cannot run as a spreadsheet formula, header slips are one usage error,
// and no cell, row or endless input makes memory grow.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/utf8_text.h"
#include "tests/cli/cli_run.h"
#include "tests/fakes/temp_folder.h"

namespace anglewise {
namespace {

constexpr char kHeaderOut[] =
    "id,status,xlen,yhei,zrad,adec,adms,bdec,bdms,c90dec,c90dms,theHeight,theWidth,theArea,"
    "messages\r\n";
constexpr char kLegsSolved[] =
    ",solved, 3, 4, 5, 53.130102354156, 53d 7m 48s .368, 36.869897645844, 36d 52m 11s .632, 90, "
    "90d 0m 0s, 4, 3, 6,\r\n";

// A cell as the output writes it: quoted where it holds a comma or a quote.
std::string csvCell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string errorRow(const std::string& id, const std::string& reason) {
  return id + ",error,,,,,,,,,,,,," + csvCell(reason) + "\r\n";
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> all;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) all.push_back(line);
  return all;
}

class BatchInputTest : public testing::Test {
 protected:
  CliRun batch(const std::string& csv, const std::string& options = "") {
    std::ofstream(path, std::ios::binary) << csv;
    return cli("batch " + options + " " + path);
  }
  TempFolder folder;
  std::string path = (folder.path() / "in.csv").string();
};

struct IdCase {
  const char* name;
  std::string csv;
  std::string row;  ///< the first output row
};

void PrintTo(const IdCase& c, std::ostream* out) {
  *out << c.name;
}

class ErrorRowIdTest : public BatchInputTest, public testing::WithParamInterface<IdCase> {};

// The id is read before anything else, so an error row can be joined back
// on it; the row after it is solved as ever.
TEST_P(ErrorRowIdTest, KeepsItsIdAndTheNextRowIsSolved) {
  CliRun run = batch(GetParam().csv);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, kHeaderOut + GetParam().row + "next" + kLegsSolved);
}

const std::string kLongCell(5000, '7');
const std::string kLongRow = "\"" + std::string(70000, ',') + "\"";

INSTANTIATE_TEST_SUITE_P(
    Rows, ErrorRowIdTest,
    testing::Values(
        IdCase{"BadKindBeforeTheId", "kind,id,X,Y\ncircle,r1,3,4\nright,next,3,4\n",
               errorRow("r1", "kind must be right or oblique, not \"circle\"")},
        IdCase{"TooManyCells", "id,kind,X,Y\nr2,right,3,4,5\nnext,right,3,4\n",
               errorRow("r2", "the row has 5 cells for 4 columns")},
        IdCase{"TooManyCellsIdLast", "kind,X,Y,id\nright,3,4,r3,9\nright,3,4,next\n",
               errorRow("r3", "the row has 5 cells for 4 columns")},
        IdCase{"FortyCells",
               "id,kind,X,Y\nr40,right,3,4" + std::string(36, ',') + "\nnext,right,3,4\n",
               errorRow("r40", "the row has 40 cells for 4 columns")},
        IdCase{"LongCellBeforeTheId", "X,kind,id,Y\n" + kLongCell + ",right,r4,4\n3,right,next,4\n",
               errorRow("r4", "the cell of X is longer than 4096 bytes, the most a cell may hold")},
        IdCase{"LongIdIsTheRowsNumber",
               "id,kind,X,Y\n" + kLongCell + ",right,3,4\nnext,right,3,4\n",
               errorRow("1", "the cell of id is longer than 4096 bytes, the most a cell may hold")},
        IdCase{"LongRowAfterTheId", "id,kind,X,Y\nr5,right," + kLongRow + ",4\nnext,right,3,4\n",
               errorRow("r5", "the row is longer than 65536 bytes, the most a row may hold")},
        IdCase{"LongRowOfManyCells",
               "id,kind,X,Y\nr6,right,3,4" + std::string(70000, ',') + "\nnext,right,3,4\n",
               errorRow("r6", "the row is longer than 65536 bytes, the most a row may hold")}),
    [](const auto& info) { return std::string(info.param.name); });

struct Utf8Case {
  const char* name;
  std::string id;      ///< as the input has it
  std::string echoed;  ///< as the output writes it
};

void PrintTo(const Utf8Case& c, std::ostream* out) {
  *out << c.name;
}

class Utf8Test : public BatchInputTest, public testing::WithParamInterface<Utf8Case> {};

// Bytes that are not UTF-8 are echoed as U+FFFD, one for each ill-formed
// part; well-formed text stays as it is.
TEST_P(Utf8Test, EveryLineDecodesAndBadBytesShowAsReplacements) {
  std::string csv = "id,kind,X,Y\n" + GetParam().id + ",right,3,4\n" + GetParam().id + ",circle\n";
  CliRun jsonl = batch(csv, "--format jsonl");
  EXPECT_EQ(jsonl.status, 1);
  std::vector<std::string> rows = lines(jsonl.out);
  ASSERT_EQ(rows.size(), 2u);
  for (const std::string& row : rows) {
    nlohmann::json answer = nlohmann::json::parse(row);  // throws on bytes that are not UTF-8
    EXPECT_EQ(answer["id"], GetParam().echoed);
  }
  EXPECT_EQ(nlohmann::json::parse(rows[1])["messages"],
            "kind must be right or oblique, not \"circle\"");
  CliRun csvOut = batch(csv);
  EXPECT_TRUE(isUtf8(csvOut.out));
  EXPECT_EQ(lines(csvOut.out).at(1).substr(0, GetParam().echoed.size() + 1),
            GetParam().echoed + ",");
}

INSTANTIATE_TEST_SUITE_P(
    Ids, Utf8Test,
    testing::Values(Utf8Case{"Latin1", "caf\xe9", "caf\xEF\xBF\xBD"},
                    Utf8Case{"TwoStrayBytes", "\xff\xfe", "\xEF\xBF\xBD\xEF\xBF\xBD"},
                    Utf8Case{"CutSequence", "a\xe2\x82", "a\xEF\xBF\xBD"},
                    Utf8Case{"Surrogate", "\xed\xa0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
                    Utf8Case{"Overlong", "\xc0\xaf", "\xEF\xBF\xBD\xEF\xBF\xBD"},
                    Utf8Case{"WellFormed", "caf\xc3\xa9 \xe2\x96\xb3 \xf0\x9f\x93\x90",
                             "caf\xc3\xa9 \xe2\x96\xb3 \xf0\x9f\x93\x90"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BatchInputTest, AMessageQuotingABadCellIsUtf8Too) {
  CliRun run = batch("id,kind\nr,\xff\n", "--format jsonl");
  EXPECT_EQ(nlohmann::json::parse(run.out)["messages"],
            "kind must be right or oblique, not \"\xEF\xBF\xBD\"");
}

struct FormulaCase {
  const char* name;
  std::string cell;  ///< the id as the input has it, quoted where CSV needs
  std::string csv;   ///< as the CSV output writes it
  std::string json;  ///< as JSON lines write it, unchanged
};

void PrintTo(const FormulaCase& c, std::ostream* out) {
  *out << c.name;
}

class FormulaTest : public BatchInputTest, public testing::WithParamInterface<FormulaCase> {};

// Echoed text that a spreadsheet would run gets the apostrophe that makes
// it text; numbers stay numbers.
TEST_P(FormulaTest, EchoedTextShowsAsText) {
  std::string csv = "id,kind,X,Y\n" + GetParam().cell + ",right,3,4\n";
  CliRun run = batch(csv);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kHeaderOut + GetParam().csv + kLegsSolved);
  CliRun jsonl = batch(csv, "--format jsonl");
  EXPECT_EQ(nlohmann::json::parse(jsonl.out)["id"], GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, FormulaTest,
    testing::Values(FormulaCase{"Equals", "=1+2", "'=1+2", "=1+2"},
                    FormulaCase{"Hyperlink", "\"=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"",
                                "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"",
                                "=HYPERLINK(\"http://x\",\"y\")"},
                    FormulaCase{"Plus", "+SUM(A1:A9)", "'+SUM(A1:A9)", "+SUM(A1:A9)"},
                    FormulaCase{"At", "@cmd", "'@cmd", "@cmd"},
                    FormulaCase{"LoneMinus", "-", "'-", "-"},
                    FormulaCase{"MinusText", "-x", "'-x", "-x"},
                    FormulaCase{"NegativeNumber", "-5", "-5", "-5"},
                    FormulaCase{"SignedDecimal", "+3.25", "+3.25", "+3.25"},
                    FormulaCase{"Exponent", "-1.5E+16", "-1.5E+16", "-1.5E+16"},
                    FormulaCase{"PointFirst", "-.5", "-.5", "-.5"},
                    FormulaCase{"PlainText", "r1", "r1", "r1"}),
    [](const auto& info) { return std::string(info.param.name); });

struct HeaderCase {
  const char* name;
  const char* header;
  const char* sentence;  ///< after "the header of FILE "
};

void PrintTo(const HeaderCase& c, std::ostream* out) {
  *out << c.name;
}

class HeaderSlipTest : public BatchInputTest, public testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderSlipTest, OneUsageErrorNamingThem) {
  CliRun run = batch(std::string(GetParam().header) + "\nright,3,4\nright,3,4\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "anglewise-cli: the header of " + path + " " + GetParam().sentence + ".\n");
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Headers, HeaderSlipTest,
    testing::Values(
        HeaderCase{"ColumnTwice", "kind,X,X",
                   "names the column \"X\" more than once: give each column once"},
        HeaderCase{"TwoColumnsTwice", "id,kind,X,id,X,X",
                   "names the columns \"id\" and \"X\" more than once: give each column once"},
        HeaderCase{"NoKind", "X,Y",
                   "has no column \"kind\": add kind (right or oblique), which every row needs"},
        HeaderCase{"TwiceAndNoKind", "X,Y,Y",
                   "names the column \"Y\" more than once and has no column \"kind\": give each "
                   "column once, and add kind (right or oblique), which every row needs"}),
    [](const auto& info) { return std::string(info.param.name); });

// A spreadsheet's trailing comma: the empty last header cell names nothing,
// and the rows' empty cells under it are fine; a value there is not.
TEST_F(BatchInputTest, AnEmptyTrailingHeaderCellIsAllowed) {
  CliRun run = batch("id,kind,X,Y,\na,right,3,4,\nb,right,3,4\nc,right,3,4,5\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, std::string(kHeaderOut) + "a" + kLegsSolved + "b" + kLegsSolved +
                         errorRow("c", "the row has 5 cells for 4 columns"));
}

TEST_F(BatchInputTest, AHeaderWithoutEndIsAUsageError) {
  CliRun run = cli("batch /dev/zero");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "anglewise-cli: the header row of /dev/zero is longer than 65536 bytes, the most a row "
            "may hold.\n");
  EXPECT_EQ(run.out, "");
}

// A row that never ends is answered as an error row; reading stops at
// 16 MiB with one sentence, and nothing grows meanwhile.
TEST_F(BatchInputTest, ARowWithoutEndStopsTheReading) {
  CliRun run = shell("{ printf 'id,kind,X\\nr1,right,'; cat /dev/zero; } | $CLI batch");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, kHeaderOut + errorRow("r1",
                                           "the row is longer than 65536 bytes, the most a "
                                           "row may hold"));
  EXPECT_EQ(run.err,
            "anglewise-cli: could not read standard input as CSV: row 1 has no end within "
            "16777216 bytes.\n");
}

// A window script's line is bounded too: a longer session is answered
// with an error and the next one plays; a line without end stops the
// reading with one sentence.
TEST_F(BatchInputTest, AScriptLineTooLongIsAnErrorAnswer) {
  CliRun run = shell(
      "{ printf '{\"id\": 1, \"actions\": ['; yes '0,' | head -n 600000 | tr -d '\\n'; "
      "printf '0]}\\n{\"id\": 2, \"actions\": []}\\n'; } | $CLI script");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  std::vector<std::string> answers = lines(run.out);
  ASSERT_EQ(answers.size(), 2u);
  EXPECT_EQ(answers[0],
            "{\"id\":null,\"error\":\"line 1: the session is longer than 1048576 bytes\"}");
  EXPECT_EQ(nlohmann::json::parse(answers[1])["id"], 2);
}

TEST_F(BatchInputTest, AScriptLineWithoutEndStopsTheReading) {
  CliRun run = cli("script /dev/zero");
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out,
            "{\"id\":null,\"error\":\"line 1: the session is longer than 1048576 bytes\"}\n");
  EXPECT_EQ(run.err,
            "anglewise-cli: could not read /dev/zero: line 1 has no end within 16777216 bytes.\n");
}

}  // namespace
}  // namespace anglewise
