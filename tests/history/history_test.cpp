// The history: entries captured from the window and played back into it,
// the append-only file that survives a stop mid-write and two writers at
// once, and triangle files that the command line plays as they are.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "headless/headless_window.h"
#include "history/history_log.h"
#include "history/triangle_file.h"
#include "report/triangle_report.h"
#include "tests/fakes/temp_folder.h"

namespace anglewise {
namespace {

using Steps = std::vector<ReplayStep>;

struct Session {
  const char* name;
  Steps before;  // the user's actions up to Display
};

void PrintTo(const Session& s, std::ostream* out) {
  *out << s.name;
}

void play(HeadlessWindow& w, const Steps& steps) {
  for (const ReplayStep& step : steps) ASSERT_TRUE(playStep(w.window, step)) << step.name;
}

// What the window answers to a Display: captured as the history does.
HistoryEntry displayed(HeadlessWindow& w) {
  HistoryEntry entry = captureInputs(w.window, "display", "2026-12-06T17:40:05Z");
  size_t before = w.messages.shown.size();
  playStep(w.window, {"click", "displaynow", ""});
  entry.results = resultCaptions(w.window);
  for (size_t i = before; i < w.messages.shown.size(); ++i) {
    entry.messages.push_back(w.messages.shown[i].title + ": " + w.messages.shown[i].text);
  }
  entry.consistent = makeReport(w.window.reportInput()).consistent;
  return entry;
}

Steps given(int row, const std::string& text) {
  std::string n = std::to_string(row);
  return {{"type", "Text" + n, text}, {"click", "Check" + n, ""}};
}

Steps operator+(Steps a, const Steps& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Steps kRight = {{"click", "opt90D", ""}};
const Steps kOblique = {{"click", "optOBL", ""}};

class RestoreTest : public testing::TestWithParam<Session> {};

// Restoring plays the inputs into a window that has seen other things and
// gives the same captions and messages.
TEST_P(RestoreTest, PlayingAnEntryBackGivesTheSameAnswer) {
  HeadlessWindow original;
  play(original, GetParam().before);
  HistoryEntry entry = displayed(original);

  HistoryEntry parsedBack;
  std::string why;
  auto parsed = parseEntryLine(entryLine(entry), why);
  ASSERT_TRUE(parsed) << why;
  EXPECT_EQ(*parsed, entry);

  HeadlessWindow later;
  play(
      later,
      kOblique + given(1, "7") + given(2, "8") + given(3, "9") +
          Steps{{"click", "displaynow", ""}, {"menu", "mnu4places", ""}, {"click", "Option2", ""}});
  size_t before = later.messages.shown.size();
  for (const ReplayStep& step : replaySteps(entry)) ASSERT_TRUE(playStep(later.window, step));
  EXPECT_EQ(resultCaptions(later.window), entry.results);
  std::vector<std::string> messages;
  for (size_t i = before; i < later.messages.shown.size(); ++i) {
    messages.push_back(later.messages.shown[i].title + ": " + later.messages.shown[i].text);
  }
  EXPECT_EQ(messages, entry.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, RestoreTest,
    testing::Values(
        Session{"RightLegs", kRight + given(1, "3") + given(2, "4")},
        Session{"ObliqueThatDoesNotFit", kOblique + given(1, "6") + given(2, "3") + given(3, "4")},
        Session{"ObtuseAtFourPlaces", kOblique + Steps{{"menu", "mnu4places", ""}} +
                                          given(1, "10") + given(2, "6") + given(4, "30") +
                                          Steps{{"click", "over90checked", ""}}},
        Session{"DegreesMinutesSeconds", kRight + Steps{{"click", "Option2", ""}} + given(3, "5") +
                                             given(4, "36d 52m 11s .632")},
        Session{"RefusedThreeTicks", kRight + given(1, "3") + given(2, "4") + given(3, "5")},
        Session{"NoSide", kOblique + given(4, "30")}),
    [](const auto& info) { return std::string(info.param.name); });

HistoryEntry sample(int n) {
  HistoryEntry e;
  e.time = "2026-12-06T17:40:0" + std::to_string(n % 10) + "Z";
  e.action = n % 3 == 0 ? "clear" : "display";
  e.kind = "right";
  e.typed[0] = std::to_string(n + 1);
  e.ticked[0] = true;
  e.results.assign(12, " " + std::to_string(n));
  if (e.action == "display") e.consistent = true;
  return e;
}

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(HistoryLogTest, AppendedEntriesComeBackInOrder) {
  TempFolder folder;
  HistoryLog log((folder.path() / "deep" / "history.jsonl").string());
  for (int i = 0; i < 5; ++i) ASSERT_EQ(log.append(sample(i)), "");
  LoadedHistory loaded = log.load();
  ASSERT_EQ(loaded.entries.size(), 5u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(loaded.entries[i], sample(i));
  EXPECT_EQ(loaded.note, "");
}

TEST(HistoryLogTest, ATornLastRecordIsLeftOutWithANoteAndTheNextEntryIsWhole) {
  TempFolder folder;
  HistoryLog log((folder.path() / "history.jsonl").string());
  for (int i = 0; i < 3; ++i) ASSERT_EQ(log.append(sample(i)), "");
  std::string line = entryLine(sample(9));
  std::ofstream(log.path(), std::ios::app) << line.substr(0, line.size() / 2);  // killed mid-write
  LoadedHistory loaded = log.load();
  EXPECT_EQ(loaded.entries.size(), 3u);
  EXPECT_NE(loaded.note.find("cut short"), std::string::npos) << loaded.note;
  ASSERT_EQ(log.append(sample(4)), "");
  loaded = log.load();
  ASSERT_EQ(loaded.entries.size(), 4u);
  EXPECT_EQ(loaded.entries.back(), sample(4));
  EXPECT_EQ(loaded.note, "");
}

TEST(HistoryLogTest, AnUnreadableHistoryIsMovedAsideAndNamed) {
  struct Case {
    const char* name;
    std::string content;
    const char* says;
  } cases[] = {
      {"corrupt", entryLine(sample(1)) + "\n{not json\n" + entryLine(sample(2)) + "\n",
       "not a complete entry"},
      {"newer",
       R"({"id":{"anglewise":"entry","version":7,"time":"t","action":"display"}})"
       "\n",
       "newer Anglewise"},
      {"other", "kind,X,Y\nright,3,4\n", "not a complete entry"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    auto path = folder.write("history.jsonl", c.content);
    LoadedHistory loaded = HistoryLog(path.string()).load();
    EXPECT_TRUE(loaded.entries.empty()) << c.name;
    EXPECT_NE(loaded.note.find(c.says), std::string::npos) << c.name << ": " << loaded.note;
    EXPECT_FALSE(std::filesystem::exists(path)) << c.name;
    int aside = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
      if (file.path().filename().string().rfind("history.jsonl.unreadable-", 0) == 0) {
        ++aside;
        EXPECT_EQ(slurp(file.path()), c.content) << c.name;
        EXPECT_NE(loaded.note.find(file.path().string()), std::string::npos) << c.name;
      }
    }
    EXPECT_EQ(aside, 1) << c.name;
  }
}

TEST(HistoryLogTest, TwoProcessesAppendingAtOnceKeepEveryRecordWhole) {
  TempFolder folder;
  std::string path = (folder.path() / "history.jsonl").string();
  constexpr int kEach = 150;
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = fork();
    if (children[c] == 0) {
      HistoryLog log(path);
      HistoryEntry big = sample(c);
      big.messages.assign(20, std::string(200, c == 0 ? 'a' : 'b'));  // lines of several KB
      for (int i = 0; i < kEach; ++i) {
        if (!log.append(big).empty()) _exit(1);
      }
      _exit(0);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  LoadedHistory loaded = HistoryLog(path).load();
  EXPECT_EQ(loaded.note, "");
  EXPECT_EQ(loaded.entries.size(), 2u * kEach);
}

TEST(TriangleFileTest, SavedEntriesOpenAgain) {
  TempFolder folder;
  std::string path = (folder.path() / "set.anglewise").string();
  std::vector<HistoryEntry> saved = {sample(1), sample(2), sample(3)};
  ASSERT_EQ(saveTriangleFile(path, saved), "");
  std::vector<HistoryEntry> opened;
  ASSERT_EQ(openTriangleFile(path, opened), "");
  EXPECT_EQ(opened, saved);
}

TEST(TriangleFileTest, FilesThatCannotBeOpenedSayWhyInOneSentence) {
  TempFolder folder;
  std::string whole = R"({"id":{"anglewise":"triangles","version":1},"actions":[]})"
                      "\n" +
                      entryLine(sample(1)) + "\n";
  struct Case {
    const char* name;
    std::string content;
    std::string says;
  } cases[] = {
      {"another kind", "kind,X,Y\nright,3,4\n", "is not a triangle file of Anglewise."},
      {"newer",
       R"({"id":{"anglewise":"triangles","version":2},"actions":[]})"
       "\n",
       "was written by a newer Anglewise (triangle file version 2); this one reads version 1."},
      {"cut short", whole.substr(0, whole.size() - 9),
       "is cut short: its last line is incomplete."},
      {"empty", "", "is not a triangle file of Anglewise."},
  };
  for (const Case& c : cases) {
    auto path = folder.write(std::string(c.name) + ".anglewise", c.content).string();
    std::vector<HistoryEntry> entries = {sample(5)};
    std::string why = openTriangleFile(path, entries);
    EXPECT_EQ(why, path + " " + c.says) << c.name;
    EXPECT_EQ(entries.size(), 1u) << c.name << ": a failed open leaves what was there";
  }
  std::vector<HistoryEntry> none;
  EXPECT_NE(openTriangleFile((folder.path() / "missing").string(), none).find("Cannot read"),
            std::string::npos);
}

// A triangle file made from the window plays in `anglewise-cli script`
// and answers with the same captions.
TEST(TriangleFileTest, TheCommandLinePlaysATriangleFileAsItIs) {
  HeadlessWindow w;
  play(w, kOblique + given(1, "10") + given(2, "6") + given(4, "30"));
  HistoryEntry entry = displayed(w);
  TempFolder folder;
  std::string path = (folder.path() / "one.anglewise").string();
  ASSERT_EQ(saveTriangleFile(path, {entry}), "");
  std::string answers = (folder.path() / "answers.jsonl").string();
  std::string command = std::string(ANGLEWISE_CLI) + " script " + path + " > " + answers;
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::ifstream in(answers);
  std::string header, line;
  ASSERT_TRUE(std::getline(in, header));
  ASSERT_TRUE(std::getline(in, line));
  EXPECT_NE(line.find("\"xlen\":{\"Caption\":\"" + entry.results[0] + "\"}"), std::string::npos)
      << line.substr(0, 400);
  EXPECT_NE(line.find("\"theArea\":{\"Caption\":\"" + entry.results[11] + "\"}"),
            std::string::npos);
}

}  // namespace
}  // namespace anglewise

namespace anglewise {
namespace {

// `anglewise-cli history` lists, exports and replays a triangle file made
// from the window, and never changes the file it reads.
TEST(HistoryCommandTest, ListsExportsAndReplaysATriangleFile) {
  HeadlessWindow right, oblique;
  play(right, kRight + given(1, "3") + given(2, "4"));
  play(oblique, kOblique + given(1, "6") + given(2, "3") + given(3, "4"));
  std::vector<HistoryEntry> entries = {displayed(right), displayed(oblique)};
  TempFolder folder;
  std::string path = (folder.path() / "two.anglewise").string();
  ASSERT_EQ(saveTriangleFile(path, entries), "");
  std::string before = slurp(path);
  auto run = [&](const std::string& args) {
    std::string out = (folder.path() / "out").string();
    int status = std::system(
        (std::string(ANGLEWISE_CLI) + " history " + args + " " + path + " > " + out + " 2>&1")
            .c_str());
    return std::make_pair(WEXITSTATUS(status), slurp(out));
  };
  auto [listed, list] = run("");
  EXPECT_EQ(listed, 0);
  EXPECT_EQ(list, entryText(entries[0]) + "\n" + entryText(entries[1]) + "\n");
  auto [exported, csv] = run("--export csv");
  EXPECT_EQ(exported, 0);
  EXPECT_EQ(csv, entriesCsv(entries));
  auto [replayed, replay] = run("--replay");
  EXPECT_EQ(replayed, 0) << replay;
  EXPECT_EQ(replay, entryText(entries[0]) + "  [same]\n" + entryText(entries[1]) + "  [same]\n");

  entries[0].results[2] = " 6";  // an answer the window no longer gives
  ASSERT_EQ(saveTriangleFile(path, entries), "");
  before = slurp(path);
  auto [differs, says] = run("--replay");
  EXPECT_EQ(differs, 1);
  EXPECT_NE(says.find("[answers differently now]"), std::string::npos) << says;
  EXPECT_EQ(slurp(path), before);
  auto [both, sentence] = run("--replay --export csv");
  EXPECT_EQ(both, 2);
  EXPECT_NE(sentence.find("not both at once"), std::string::npos) << sentence;
}

}  // namespace
}  // namespace anglewise
