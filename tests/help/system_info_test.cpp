#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "help/about_box.h"
#include "help/linux_system_info.h"
#include "tests/fakes/temp_folder.h"
#include "tests/fakes/window_frame.h"

namespace anglewise {
namespace {

using ::testing::ElementsAre;
namespace fs = std::filesystem;

class FakeInfo : public SystemInformation {
 public:
  std::optional<std::vector<InfoInstance>> ExecQuery(const std::string& query) override {
    queries.push_back(query);
    auto it = answers.find(query.substr(std::string("Select * from ").size()));
    if (it == answers.end()) return std::nullopt;
    return it->second;
  }
  std::map<std::string, std::vector<InfoInstance>> answers;
  std::vector<std::string> queries;
};

FakeInfo sampleComputer(const std::string& caption) {
  FakeInfo info;
  info.answers["Win32_OperatingSystem"] = {{{"Caption", caption},
                                            {"Version", "5.1.2600"},
                                            {"CSDVersion", "Service Pack 3"},
                                            {"Manufacturer", "Maker"},
                                            {"CSName", "DESK"},
                                            {"TotalVisibleMemorySize", "8388608"},
                                            {"FreePhysicalMemory", "1048576"}}};
  InfoInstance cpu{{"Name", "Fast CPU"},
                   {"Description", "Family 6"},
                   {"Manufacturer", "Chips"},
                   {"MaxClockSpeed", "3400"},
                   {"SocketDesignation", "CPU0"}};
  InfoInstance second = cpu;
  second["SocketDesignation"] = "CPU1";
  info.answers["Win32_Processor"] = {cpu, second};
  info.answers["Win32_BaseBoard"] = {{{"Manufacturer", "Boards"}, {"Product", "B1"}}};
  info.answers["Win32_ComputerSystem"] = {
      {{"NumberOfProcessors", "2"}, {"NumberOfLogicalProcessors", "8"}}};
  return info;
}

TEST(Listpc, LinesInOrderWithTheirFormats) {
  FakeInfo info = sampleComputer("Linux 12");
  std::vector<std::string> list{"old line"};
  listpc(list, info, ".");
  EXPECT_THAT(
      list,
      ElementsAre("OS Caption: Linux 12", "OS Version: 5.1.2600", "OS CSD Version: Service Pack 3",
                  "OS Manufacturer: Maker", "OS CS Name: DESK",
                  "OS Total Visible Memory Size: 8.00 GB", "OS Free Physical Memory: 1.00 GB",
                  "CPU Name: Fast CPU", "CPU Manufacturer: Chips", "CPU Max Clock Speed: 3.4 Ghz",
                  "CPU Socket Designation: CPU0", "CPU Name: Fast CPU", "CPU Manufacturer: Chips",
                  "CPU Max Clock Speed: 3.4 Ghz", "CPU Socket Designation: CPU1",
                  "MB Manufacturer: Boards", "MB Product: B1", "CS Number Of Processors: 2",
                  "CS Number Of Logical Processors: 8"));
  EXPECT_THAT(info.queries,
              ElementsAre("Select * from Win32_OperatingSystem", "Select * from Win32_Processor",
                          "Select * from Win32_BaseBoard", "Select * from Win32_ComputerSystem"));
}

TEST(Listpc, XpTestChoosesTheProcessorDescription) {
  struct Case {
    const char* caption;
    const char* firstCpuLine;
  } cases[] = {{"Microsoft Windows XP Professional", "CPU Description: Family 6"},
               {"XP", "CPU Description: Family 6"},
               {"Windows xp", "CPU Name: Fast CPU"},
               {"Windows 10", "CPU Name: Fast CPU"}};
  for (const Case& c : cases) {
    FakeInfo info = sampleComputer(c.caption);
    std::vector<std::string> list;
    listpc(list, info, ".");
    EXPECT_EQ(list.at(7), c.firstCpuLine) << c.caption;
    EXPECT_EQ(list.at(11), c.firstCpuLine) << c.caption;
  }
}

TEST(Listpc, FailedQueriesAndMissingValuesOnlyLeaveThingsOut) {
  FakeInfo info;
  info.answers["Win32_Processor"] = {{{"Name", "Only CPU"}}};
  std::vector<std::string> list;
  listpc(list, info, ",");
  EXPECT_THAT(list, ElementsAre("CPU Name: Only CPU", "CPU Manufacturer: ",
                                "CPU Max Clock Speed:  Ghz", "CPU Socket Designation: "));
}

TEST(Listpc, NumberFormats) {
  EXPECT_EQ(kilobytesAsGigabytes("8388608", "."), "8.00");
  EXPECT_EQ(kilobytesAsGigabytes("8388608", ","), "8,00");
  EXPECT_EQ(kilobytesAsGigabytes("100", "."), "0.00");
  EXPECT_EQ(kilobytesAsGigabytes("", "."), "");
  EXPECT_EQ(kilobytesAsGigabytes("lots", "."), "");
  EXPECT_EQ(megahertzAsGigahertz("3400", "."), "3.4");
  EXPECT_EQ(megahertzAsGigahertz("2596", ","), "2,596");
  EXPECT_EQ(megahertzAsGigahertz("3000", "."), "3");
}

TEST(AboutBox, SystemInfoEnlargesOnceAndClosingClears) {
  RecordingFrame frame;
  frame.top = 1000, frame.height = 3500;
  FakeInfo info = sampleComputer("Linux");
  AboutBox about(frame, info, ".");
  about.cmdSysInfo_Click();
  EXPECT_EQ(frame.top, -500);  // above the screen's top edge, as asked
  EXPECT_EQ(frame.height, 6768);
  EXPECT_FALSE(about.cmdSysInfoEnabled);
  EXPECT_EQ(about.SYSlist.size(), 19u);
  about.Form_QueryUnload();
  EXPECT_TRUE(about.SYSlist.empty());
}

class LinuxInfoTest : public ::testing::Test {
 protected:
  void write(const std::string& path, const std::string& text) { folder.write(path, text); }
  std::vector<std::string> lines() {
    LinuxSystemInformation info(folder.path().string());
    std::vector<std::string> list;
    listpc(list, info, ".");
    return list;
  }
  std::string cpu(int n, int package, const char* mhz) {
    return "processor\t: " + std::to_string(n) +
           "\nvendor_id\t: GenuineIntel\ncpu family\t: 6\nmodel\t\t: 85\n"
           "model name\t: Intel(R) Xeon(R) CPU\nstepping\t: 7\ncpu MHz\t\t: " +
           mhz + "\nphysical id\t: " + std::to_string(package) + "\n\n";
  }
  TempFolder folder;
};

TEST_F(LinuxInfoTest, TwoPackagesGiveTwoProcessors) {
  write("etc/os-release",
        "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n");
  write("proc/sys/kernel/osrelease", "6.1.0-18-amd64\n");
  write("proc/sys/kernel/version", "#1 SMP Debian 6.1.76-1\n");
  write("proc/sys/kernel/hostname", "desk\n");
  write("proc/meminfo",
        "MemTotal:        8388608 kB\nMemFree:  100 kB\nMemAvailable:    4194304 kB\n");
  write("proc/cpuinfo", cpu(0, 0, "2100.000") + cpu(1, 0, "2100.000") + cpu(2, 1, "2100.000") +
                            cpu(3, 1, "2100.000"));
  write("sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq", "3400000\n");
  write("sys/class/dmi/id/board_vendor", "Board Maker\n");
  write("sys/class/dmi/id/board_name", "X99\n");
  EXPECT_THAT(
      lines(),
      ElementsAre("OS Caption: Debian GNU/Linux 12 (bookworm)", "OS Version: 6.1.0-18-amd64",
                  "OS CSD Version: #1 SMP Debian 6.1.76-1", "OS Manufacturer: Debian GNU/Linux",
                  "OS CS Name: desk", "OS Total Visible Memory Size: 8.00 GB",
                  "OS Free Physical Memory: 4.00 GB", "CPU Name: Intel(R) Xeon(R) CPU",
                  "CPU Manufacturer: GenuineIntel", "CPU Max Clock Speed: 3.4 Ghz",
                  "CPU Socket Designation: ", "CPU Name: Intel(R) Xeon(R) CPU",
                  "CPU Manufacturer: GenuineIntel", "CPU Max Clock Speed: 2.1 Ghz",
                  "CPU Socket Designation: ", "MB Manufacturer: Board Maker", "MB Product: X99",
                  "CS Number Of Processors: 2", "CS Number Of Logical Processors: 4"));
}

TEST_F(LinuxInfoTest, OnePackageWithoutPhysicalIdAndNoFirmwareTables) {
  write("proc/cpuinfo",
        "processor\t: 0\nmodel name\t: ARM core\n\nprocessor\t: 1\nmodel name\t: ARM core\n");
  std::vector<std::string> list = lines();
  ASSERT_EQ(list.size(), 7u + 4u + 2u);
  EXPECT_EQ(list[7], "CPU Name: ARM core");
  EXPECT_EQ(list[11], "CS Number Of Processors: 1");
  EXPECT_EQ(list[12], "CS Number Of Logical Processors: 2");
}

TEST_F(LinuxInfoTest, MissingFilesLeaveEmptyValues) {
  EXPECT_THAT(lines(),
              ElementsAre("OS Caption: ", "OS Version: ", "OS CSD Version: ", "OS Manufacturer: ",
                          "OS CS Name: ", "OS Total Visible Memory Size:  GB",
                          "OS Free Physical Memory:  GB",
                          "CS Number Of Processors: ", "CS Number Of Logical Processors: "));
}

TEST(LinuxInfo, RunningSystemAnswersEveryQuery) {
  LinuxSystemInformation info;
  std::vector<std::string> list;
  listpc(list, info, ".");
  ASSERT_GE(list.size(), 7u);
  EXPECT_NE(list[0], "OS Caption: ");
}

}  // namespace
}  // namespace anglewise
