// Files written whole or not at all: a write that fails, or a file given
// up before commit, leaves the old file as it was and nothing beside it.
#include "files/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/fakes/file_size_limit.h"
#include "tests/fakes/temp_folder.h"

namespace anglewise {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class WholeFileTest : public testing::Test {
 protected:
  std::vector<std::string> names() const {
    std::vector<std::string> all;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
      all.push_back(entry.path().filename().string());
    }
    std::sort(all.begin(), all.end());
    return all;
  }
  TempFolder folder;
  fs::path target = folder.write("answer.txt", "old\n");
};

TEST_F(WholeFileTest, ReplacesTheFileWhenWhole) {
  std::string big(200000, 'x');  // past the buffer, in pieces and at once
  WholeFile file(target.string());
  ASSERT_TRUE(file.open());
  EXPECT_TRUE(file.write("new "));
  EXPECT_TRUE(file.write(big));
  EXPECT_EQ(contents(target), "old\n");  // nothing shows before the commit
  EXPECT_EQ(file.commit(), "");
  EXPECT_EQ(file.commit(), "");
  EXPECT_EQ(contents(target), "new " + big);
  EXPECT_EQ(names(), std::vector<std::string>{"answer.txt"});
}

TEST_F(WholeFileTest, AFileGivenUpLeavesTheOldOne) {
  {
    WholeFile file(target.string());
    ASSERT_TRUE(file.open());
    file.write("half of it");
    EXPECT_EQ(names().size(), 2u);  // the temporary file beside it
  }
  EXPECT_EQ(contents(target), "old\n");
  EXPECT_EQ(names(), std::vector<std::string>{"answer.txt"});
}

TEST_F(WholeFileTest, ANewFileGetsTheUsualPermissionsAndAnOldOneKeepsItsOwn) {
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  EXPECT_EQ(writeWholeFile(target.string(), "kept private\n"), "");
  struct stat made;
  ASSERT_EQ(::stat(target.c_str(), &made), 0);
  EXPECT_EQ(made.st_mode & 07777, 0600u);
  mode_t mask = ::umask(022);
  fs::path fresh = folder.path() / "fresh.txt";
  EXPECT_EQ(writeWholeFile(fresh.string(), "new\n"), "");
  ::umask(mask);
  ASSERT_EQ(::stat(fresh.c_str(), &made), 0);
  EXPECT_EQ(made.st_mode & 07777, 0644u);
}

struct FailureCase {
  const char* name;
  const char* path;  ///< relative to the test's folder, or absolute
  const char* reason;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
  *out << c.name;
}

class WholeFileFailureTest : public WholeFileTest,
                             public testing::WithParamInterface<FailureCase> {};

TEST_P(WholeFileFailureTest, SaysTheSystemsReasonAndLeavesNothing) {
  fs::create_directory(folder.path() / "a folder");
  fs::path path = fs::path(GetParam().path).is_absolute() ? fs::path(GetParam().path)
                                                          : folder.path() / GetParam().path;
  EXPECT_EQ(writeWholeFile(path.string(), "text"), GetParam().reason);
  EXPECT_EQ(contents(target), "old\n");
  EXPECT_EQ(names(), (std::vector<std::string>{"a folder", "answer.txt"}));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WholeFileFailureTest,
    testing::Values(FailureCase{"MissingFolder", "none/answer.txt", "No such file or directory"},
                    FailureCase{"AFolder", "a folder", "Is a directory"},
                    FailureCase{"FullDevice", "/dev/full", "No space left on device"}),
    [](const auto& info) { return std::string(info.param.name); });

// A device is written in place, every write still checked.
TEST_F(WholeFileTest, ADeviceIsWrittenInPlace) {
  EXPECT_EQ(writeWholeFile("/dev/null", "text"), "");
}

// /dev/stdout and its kin name a descriptor already open: what it leads to
// is written, never replaced by another file.
TEST_F(WholeFileTest, ADescriptorAlreadyOpenIsWrittenInPlace) {
  int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  struct stat before, after;
  ASSERT_EQ(::fstat(fd, &before), 0);
  EXPECT_EQ(writeWholeFile("/dev/fd/" + std::to_string(fd), "written in place\n"), "");
  ASSERT_EQ(::stat(target.c_str(), &after), 0);
  ::close(fd);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(contents(target), "written in place\n");
  EXPECT_EQ(names(), std::vector<std::string>{"answer.txt"});
}

// A disk that fills up: the limit on file size stands in for it.
TEST_F(WholeFileTest, AWriteThatFailsKeepsTheOldFile) {
  std::string error;
  {
    FileSizeLimit limit(1000);
    error = writeWholeFile(target.string(), std::string(300000, 'x'));
  }
  EXPECT_EQ(error, "File too large");
  EXPECT_EQ(contents(target), "old\n");
  EXPECT_EQ(names(), std::vector<std::string>{"answer.txt"});
}

}  // namespace
}  // namespace anglewise
