// Batch output cut short, through the real binary: a full disk, a file
// size limit or a closed pipe stops the batch at the first failed write
// with one sentence and status 3, the output ending after a whole row; a
// SIGINT or SIGTERM ends it at a row boundary with status 130 or 143; held
// to little memory (the limit `ulimit -v` sets), a huge cell is an error
// row and memory that runs out one sentence. In every case the program's
// temporary folder is gone afterwards.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli/cli_run.h"
#include "tests/fakes/temp_folder.h"

extern char** environ;

namespace anglewise {
namespace {

namespace fs = std::filesystem;

constexpr char kHeaderOut[] =
    "id,status,xlen,yhei,zrad,adec,adms,bdec,bdms,c90dec,c90dms,theHeight,theWidth,theArea,"
    "messages\r\n";

std::string legs(int row) {
  return "r" + std::to_string(row) +
         ",solved, 3, 4, 5, 53.130102354156, 53d 7m 48s .368, 36.869897645844, 36d 52m 11s "
         ".632, 90, 90d 0m 0s, 4, 3, 6,\r\n";
}

std::vector<std::string> entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

class BatchOutputTest : public testing::Test {
 protected:
  void SetUp() override {
    std::ofstream csv(input, std::ios::binary);
    csv << "id,kind,X,Y\n";
    for (int row = 1; row <= 3000; ++row) csv << "r" << row << ",right,3,4\n";
  }
  // The shell's commands, with the program's temporary folders in a
  // folder of the test's own.
  CliRun run(const std::string& script) {
    return shell("TMPDIR=" + tmp + "; export TMPDIR; " + script);
  }

  TempFolder folder;
  std::string input = (folder.path() / "in.csv").string();
  std::string output = (folder.path() / "out.csv").string();
  std::string tmp = folder.write("tmp/.keep", "").parent_path().string();
};

TEST_F(BatchOutputTest, AFullDeviceIsOneSentence) {
  CliRun full = run("$CLI batch " + input + " >/dev/full");
  EXPECT_EQ(full.status, 3);
  EXPECT_EQ(full.err, "anglewise-cli: could not write the output: No space left on device.\n");
  EXPECT_EQ(entries(tmp), std::vector<std::string>{".keep"});
}

// Endless input: only stopping at the first failed write ends it.
TEST_F(BatchOutputTest, NoRowIsSolvedAfterTheFirstFailedWrite) {
  CliRun full = run("{ echo kind,X,Y; yes right,3,4; } | $CLI batch >/dev/full");
  EXPECT_EQ(full.status, 3);
  EXPECT_EQ(full.err, "anglewise-cli: could not write the output: No space left on device.\n");
}

// 96 KiB: the first block of rows fits, the second is cut by the limit and
// taken back, so the file ends after a whole row; on one thread (a block
// written as one) and on more (a block gathered from the threads' parts).
TEST_F(BatchOutputTest, ASizeLimitEndsTheFileAfterAWholeRow) {
  for (const char* jobs : {"1", "2", "3"}) {
    SCOPED_TRACE(jobs);
    CliRun limited =
        run("ulimit -f 192; $CLI batch --jobs " + std::string(jobs) + " " + input + " >" + output);
    EXPECT_EQ(limited.status, 3);
    EXPECT_EQ(limited.err, "anglewise-cli: could not write the output: File too large.\n");
    std::string written = slurp(output);
    std::string whole = kHeaderOut;
    for (int row = 1; row <= 3000 && whole.size() < written.size(); ++row) whole += legs(row);
    EXPECT_GE(written.size(), 65536u);
    EXPECT_LE(written.size(), 96u * 1024);
    EXPECT_EQ(written, whole);
    EXPECT_EQ(entries(tmp), std::vector<std::string>{".keep"});
  }
}

TEST_F(BatchOutputTest, AClosedPipeIsOneSentence) {
  CliRun closed = run("{ $CLI batch " + input + "; echo \"status $?\" >&2; } | head -c 100");
  EXPECT_EQ(closed.out, (kHeaderOut + legs(1)).substr(0, 100));
  EXPECT_EQ(closed.err, "anglewise-cli: could not write the output: Broken pipe.\nstatus 3\n");
  EXPECT_EQ(entries(tmp), std::vector<std::string>{".keep"});
}

// anglewise-cli batch running beside the test, its input a pipe the test
// writes, its output a file, and TMPDIR a folder of the test's own.
class RunningBatch {
 protected:
  void start(std::vector<std::string> options = {}) {
    int in[2];
    ASSERT_EQ(::pipe2(in, O_CLOEXEC), 0);
    writer = in[1];
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> environment = {"TMPDIR=" + tmp.string()};
    for (char** e = environ; *e; ++e) {
      if (std::string(*e).rfind("TMPDIR=", 0) != 0) environment.emplace_back(*e);
    }
    std::vector<char*> envp;
    for (std::string& e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = ANGLEWISE_CLI, command = "batch";
    std::vector<char*> argv = {program.data(), command.data()};
    for (std::string& option : options) argv.push_back(option.data());
    argv.push_back(nullptr);
    // The program starts with the signals as a shell leaves them.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (int signal : {SIGINT, SIGTERM, SIGPIPE}) sigaddset(&defaults, signal);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    ASSERT_EQ(posix_spawn(&child, program.c_str(), &actions, &attributes, argv.data(), envp.data()),
              0);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
  }

  // Whether all of `text` went into the pipe before the program closed it;
  // the test goes on past a pipe the program has closed.
  bool send(std::string_view text) {
    auto before = std::signal(SIGPIPE, SIG_IGN);
    while (!text.empty()) {
      ssize_t wrote = ::write(writer, text.data(), text.size());
      if (wrote <= 0) break;
      text.remove_prefix(static_cast<size_t>(wrote));
    }
    std::signal(SIGPIPE, before);
    return text.empty();
  }

  // Until the program has taken everything written so far from the pipe.
  void waitUntilRead() {
    for (int i = 0; i < 2000; ++i) {
      int pending = 0;
      ASSERT_EQ(::ioctl(writer, FIONREAD, &pending), 0);
      if (pending == 0) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    FAIL() << "the batch never read its input";
  }

  void closeInput() {
    ::close(writer);
    writer = -1;
  }

  int finish() {
    int raw = 0;
    EXPECT_EQ(::waitpid(child, &raw, 0), child);
    if (writer >= 0) closeInput();
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -WTERMSIG(raw);
  }

  TempFolder folder;
  fs::path tmp = folder.write("tmp/.keep", "").parent_path();
  std::string output = (folder.path() / "out.csv").string();
  std::string errors = (folder.path() / "err").string();
  pid_t child = 0;
  int writer = -1;
};

struct SignalCase {
  const char* name;
  int signal;
  int status;
};

void PrintTo(const SignalCase& c, std::ostream* out) {
  *out << c.name;
}

class BatchSignalTest : public RunningBatch, public testing::TestWithParam<SignalCase> {};

// Three rows and half of a fourth: the signal ends the output after the
// third, and the temporary folder the program made is removed.
TEST_P(BatchSignalTest, EndsAtARowBoundaryAndRemovesWhatItMade) {
  start();
  ASSERT_TRUE(send("id,kind,X,Y\nr1,right,3,4\nr2,right,3,4\nr3,right,3,4\nr4,right,"));
  waitUntilRead();
  ASSERT_EQ(::kill(child, GetParam().signal), 0);
  EXPECT_EQ(finish(), GetParam().status);
  EXPECT_EQ(slurp(output), kHeaderOut + legs(1) + legs(2) + legs(3));
  EXPECT_EQ(withoutLeakReport(slurp(errors)), std::string("anglewise-cli: stopped by ") +
                                                  GetParam().name +
                                                  " after 3 rows, each written whole.\n");
  EXPECT_EQ(entries(tmp), std::vector<std::string>{".keep"});
}

// On two threads, with a round being answered and the next one half read
// when the signal comes: every row read whole is still written, in order.
class BatchStopOnThreadsTest : public RunningBatch, public testing::Test {};

TEST_F(BatchStopOnThreadsTest, EveryRowReadWholeIsWritten) {
  start({"--jobs", "2"});
  constexpr int kRows = 5000;  // a round of 4,096 and part of the next
  std::string rows = "id,kind,X,Y\n";
  for (int row = 1; row <= kRows; ++row) rows += "r" + std::to_string(row) + ",right,3,4\n";
  ASSERT_TRUE(send(rows + "r5001,right,"));
  waitUntilRead();
  ASSERT_EQ(::kill(child, SIGINT), 0);
  EXPECT_EQ(finish(), 130);
  std::string whole = kHeaderOut;
  for (int row = 1; row <= kRows; ++row) whole += legs(row);
  EXPECT_TRUE(slurp(output) == whole);
  EXPECT_EQ(withoutLeakReport(slurp(errors)),
            "anglewise-cli: stopped by SIGINT after 5000 rows, each written whole.\n");
}

INSTANTIATE_TEST_SUITE_P(Signals, BatchSignalTest,
                         testing::Values(SignalCase{"SIGINT", SIGINT, 130},
                                         SignalCase{"SIGTERM", SIGTERM, 143}),
                         [](const auto& info) { return std::string(info.param.name); });

class BatchMemoryTest : public RunningBatch, public testing::Test {
 protected:
  // Once the batch waits for input, its address space is held to `more`
  // bytes beyond what it has then.
  void holdMemory(rlim_t more) {
    rlim_t now = 0;
    std::ifstream status("/proc/" + std::to_string(child) + "/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("VmSize:", 0) == 0) now = std::stoull(line.substr(7)) * 1024;
    }
    ASSERT_GT(now, 0u);
    rlimit held{now + more, now + more};
    ASSERT_EQ(::prlimit(child, RLIMIT_AS, &held, nullptr), 0);
  }
};

// 8 MiB to spare: a 12 MB cell used to take several times its size and
// abort; now it is an error row, and the row after it is solved.
TEST_F(BatchMemoryTest, AHugeCellIsAnErrorRowWhateverTheMemory) {
  if (kAddressSanitizer) GTEST_SKIP() << "AddressSanitizer reserves address space of its own";
  start();
  ASSERT_TRUE(send("id,kind,X,Y\n"));
  waitUntilRead();
  holdMemory(8 << 20);
  ASSERT_TRUE(send("r1,right,"));
  for (int i = 0; i < 12; ++i) ASSERT_TRUE(send(std::string(1000000, '7')));
  ASSERT_TRUE(send(",4\nr2,right,3,4\n"));
  closeInput();
  EXPECT_EQ(finish(), 1);
  EXPECT_EQ(withoutLeakReport(slurp(errors)), "");
  EXPECT_EQ(slurp(output),
            kHeaderOut +
                std::string("r1,error,,,,,,,,,,,,,\"the row is longer than 65536 bytes, the most a "
                            "row may hold\"\r\n") +
                legs(2));
}

// 1 MiB to spare: the header that follows (a trailing comma repeated 65,000
// times) needs more than that to be read. The program says so in one
// sentence instead of aborting, and still removes its temporary folder.
TEST_F(BatchMemoryTest, RunningOutOfMemoryIsOneSentence) {
  if (kAddressSanitizer) GTEST_SKIP() << "AddressSanitizer reserves address space of its own";
  start();
  ASSERT_TRUE(send("\xEF"));  // the first byte of a byte-order mark: nothing is read as CSV yet
  waitUntilRead();
  holdMemory(1 << 20);
  send("\xBB\xBFkind" + std::string(65000, ',') + "\nright\n");
  EXPECT_EQ(finish(), 3);
  EXPECT_EQ(withoutLeakReport(slurp(errors)),
            "anglewise-cli: ran out of memory: the input asks for more than this system would "
            "give.\n");
  EXPECT_EQ(slurp(output), "");
  EXPECT_EQ(entries(tmp), std::vector<std::string>{".keep"});
}

}  // namespace
}  // namespace anglewise
