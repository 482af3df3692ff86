// The batch's output descriptor writing a block gathered from parts: every
// byte arrives once and in order even when the system takes a block a
// piece at a time (a pipe), and a block that a file cannot take whole is
// taken back, so the file ends after the last whole block.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fcntl.h>

#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/batch_streams.h"
#include "tests/fakes/file_size_limit.h"
#include "tests/fakes/temp_folder.h"

namespace anglewise {
namespace {

// Parts of every size up to a few KiB, some empty, their bytes telling
// where they stand.
std::vector<std::string> numberedParts(int count) {
  std::vector<std::string> parts;
  for (int i = 0; i < count; ++i) {
    std::string part;
    for (int j = 0; j < (i * 37) % 5000; ++j) part += static_cast<char>('a' + (i + j) % 26);
    parts.push_back(part);
  }
  return parts;
}

std::vector<std::string_view> views(const std::vector<std::string>& parts) {
  return {parts.begin(), parts.end()};
}

TEST(FdOutputTest, GatheredPartsArriveWholeAndInOrderThroughAPipe) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  std::string arrived;
  std::thread reader([&arrived, in = ends[0]] {
    char buffer[3000];  // small reads: the writer is taken a piece at a time
    for (ssize_t got; (got = ::read(in, buffer, sizeof buffer)) > 0;)
      arrived.append(buffer, static_cast<size_t>(got));
    ::close(in);
  });
  std::vector<std::string> parts = numberedParts(1500);  // past IOV_MAX parts, 3.7 MB
  std::string whole;
  for (const std::string& part : parts) whole += part;
  {
    FdOutput out(ends[1]);
    EXPECT_TRUE(out.writeParts(views(parts)));
    EXPECT_TRUE(out.writeParts({}));
    ::close(ends[1]);
  }
  reader.join();
  EXPECT_EQ(arrived.size(), whole.size());
  EXPECT_TRUE(arrived == whole);
}

// A full disk: the limit on file size stands in for it.
TEST(FdOutputTest, ABlockThatDoesNotFitIsTakenBack) {
  TempFolder folder;
  std::string path = (folder.path() / "out.csv").string();
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  std::vector<std::string> first = {"a,1\r\n", "b,2\r\n"};
  std::vector<std::string> second = numberedParts(300);
  FdOutput out(fd);
  ASSERT_TRUE(out.writeParts(views(first)));
  bool wrote = true;
  {
    FileSizeLimit limit(100000);
    wrote = out.writeParts(views(second));
  }
  EXPECT_FALSE(wrote);
  EXPECT_EQ(out.error(), "File too large");
  ASSERT_TRUE(out.writeParts(views(first)));  // the next block follows the first
  ::close(fd);
  std::ifstream written(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}),
            "a,1\r\nb,2\r\na,1\r\nb,2\r\n");
}

// Appending (>>) to a file that holds rows already: a block that does not
// fit is taken back to where the file ended, not to its start.
TEST(FdOutputTest, AnAppendedBlockThatDoesNotFitLeavesWhatTheFileHeld) {
  TempFolder folder;
  std::string path = folder.write("out.csv", "old,0\r\n").string();
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(fd, 0);
  FdOutput out(fd);
  std::vector<std::string> second = numberedParts(300);
  std::string joined;
  for (const std::string& part : second) joined += part;
  bool gathered = true, whole = true;
  {
    FileSizeLimit limit(100000);
    gathered = out.writeParts(views(second));
    whole = out.write(joined);
  }
  EXPECT_FALSE(gathered);
  EXPECT_FALSE(whole);
  std::vector<std::string> first = {"a,1\r\n", "b,2\r\n"};
  ASSERT_TRUE(out.writeParts(views(first)));
  ::close(fd);
  std::ifstream written(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), "old,0\r\na,1\r\nb,2\r\n");
}

// A gathered write the system took in part (a signal came): what is left
// starts right after what went, past empty pieces too.
TEST(FdOutputTest, WhatIsLeftOfAGatheredWriteStartsWhereItStopped) {
  std::string a = "abc", b, c = "defgh", d = "ij";
  const std::vector<iovec> pieces = {{a.data(), 3}, {b.data(), 0}, {c.data(), 5}, {d.data(), 2}};
  struct Case {
    size_t written;
    std::string left;
  };
  for (const Case& k : {Case{0, "abcdefghij"}, Case{2, "cdefghij"}, Case{3, "defghij"},
                        Case{4, "efghij"}, Case{8, "ij"}, Case{9, "j"}, Case{10, ""}}) {
    std::vector<iovec> copy = pieces;
    std::span<iovec> left(copy);
    skipWritten(left, k.written);
    std::string rest;
    for (const iovec& piece : left) rest.append(static_cast<char*>(piece.iov_base), piece.iov_len);
    EXPECT_EQ(rest, k.left) << k.written;
  }
}

}  // namespace
}  // namespace anglewise
