#include "cli/script_player.h"

#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace anglewise {
namespace {

using json = nlohmann::ordered_json;

TEST(ScriptTest, SolvesASessionAndAnswersEveryPart) {
  json answer = playSession(
      R"({"id": 7, "actions": [["click", "optOBL"], ["type", "Text1", "3"], ["click", "Check1"],
          ["type", "Text2", "4"], ["click", "Check2"], ["type", "Text3", "5"], ["click", "Check3"],
          ["click", "displaynow"]]})");
  EXPECT_EQ(answer["id"], 7);
  EXPECT_TRUE(answer["error"].is_null());
  EXPECT_EQ(answer["controls"]["Text1"]["Text"], " 3");
  EXPECT_EQ(answer["controls"]["Check3"]["Value"], 1);
  EXPECT_EQ(answer["controls"]["over90checked"]["Enabled"], false);
  EXPECT_EQ(answer["controls"]["optOBL"]["Value"], true);
  EXPECT_EQ(answer["controls"]["c90dec"]["Caption"], " 90");
  EXPECT_EQ(answer["controls"]["mnu12places"]["Checked"], true);
  EXPECT_EQ(answer["beeps"], 1);
  EXPECT_EQ(answer["record"]["sideX"], 3);
  EXPECT_EQ(answer["record"]["decimalPlaces"], 12);
  EXPECT_EQ(answer["figure"].size(), 22u);
  EXPECT_EQ(answer["figure"][0]["op"], "fill");
  EXPECT_EQ(answer["messages"].size(), 0u);
  EXPECT_EQ(answer.begin().key(), "id");
  EXPECT_EQ(answer["controls"].size(), 31u);
}

TEST(ScriptTest, MessagesKeepCarriageReturns) {
  json answer =
      playSession(R"({"id": "m", "actions": [["click", "opt90D"], ["click", "displaynow"]]})");
  ASSERT_EQ(answer["messages"].size(), 1u);
  EXPECT_EQ(answer["messages"][0]["title"], "Value of Inputs Incorrect");
  EXPECT_EQ(answer["messages"][0]["style"], 48);
  EXPECT_EQ(answer["messages"][0]["text"],
            "Invalid Number of Inputs !\r\rThe number of input values are incorrect.");
  EXPECT_NE(answer.dump().find("\\r\\r"), std::string::npos);
}

struct BadCase {
  const char* name;
  const char* line;
  const char* why;
};

void PrintTo(const BadCase& c, std::ostream* out) {
  *out << c.name;
}

class BadSessionTest : public testing::TestWithParam<BadCase> {};

TEST_P(BadSessionTest, AnswersWithAnErrorOnly) {
  json answer = playSession(GetParam().line);
  ASSERT_TRUE(answer["error"].is_string());
  EXPECT_NE(answer["error"].get<std::string>().find(GetParam().why), std::string::npos)
      << answer["error"];
  EXPECT_FALSE(answer.contains("controls"));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadSessionTest,
    testing::Values(BadCase{"NotJson", "{nope", "not valid JSON"},
                    BadCase{"NoActions", R"({"id": 1})", "actions"},
                    BadCase{"UnknownAction", R"({"actions": [["press", "displaynow"]]})", "press"},
                    BadCase{"UnknownControl", R"({"actions": [["click", "Check9"]]})", "Check9"},
                    BadCase{"TypeIntoLabel", R"({"actions": [["type", "xlen", "3"]]})", "xlen"},
                    BadCase{"MissingText", R"({"actions": [["type", "Text1"]]})", "argument"},
                    BadCase{"NumberAsText", R"({"actions": [["type", "Text1", 3]]})", "text"},
                    BadCase{"MenuIsNotClick", R"({"actions": [["click", "mnuNone"]]})", "mnuNone"},
                    BadCase{"EmptyAction", R"({"actions": [[]]})", "array"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptTest, LaterSessionsRunAfterAnError) {
  std::istringstream in("{bad\n\n{\"id\": 2, \"actions\": []}\n");
  std::ostringstream out;
  EXPECT_EQ(playScript(in, out), 1);
  std::istringstream lines(out.str());
  std::string first, second;
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_TRUE(json::parse(first)["error"].is_string());
  EXPECT_EQ(json::parse(second)["id"], 2);
  EXPECT_TRUE(json::parse(second)["error"].is_null());
}

TEST(ScriptTest, DisabledCheckBoxIgnoresClicks) {
  json answer = playSession(R"({"actions": [["click", "over90checked"]]})");
  EXPECT_EQ(answer["controls"]["over90checked"]["Value"], 0);
}

TEST(JsonWriterTest, ShortestNumbersAndEscapes) {
  std::string out;
  JsonWriter w(out);
  w.beginArray().value(3.0).value(0.1).value(53.13010235415598).value(1.0 / 0.0);
  w.value(-1.0 / 0.0).value(0.0 / 0.0).value(0.1f).value(2572.0f).value(1554.3334f);
  w.value("a\"b\\c\r\u0001").endArray();
  EXPECT_EQ(out,
            R"([3,0.1,53.13010235415598,"inf","-inf","nan",0.1,2572,1554.3334,"a\"b\\c\r\u0001"])");
}

}  // namespace
}  // namespace anglewise
