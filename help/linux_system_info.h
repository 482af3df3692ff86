#pragma once
// Answers the About box's four queries from Linux's own sources under a
// root folder ("/" on a running system, a fixture tree in tests):
//   Win32_OperatingSystem  etc/os-release, proc/sys/kernel, proc/meminfo
//   Win32_Processor        proc/cpuinfo (one instance per physical package),
//                          sys/devices/system/cpu/cpuN/cpufreq
//   Win32_BaseBoard        sys/class/dmi/id/board_vendor, board_name
//   Win32_ComputerSystem   package and logical processor counts
// A fact that cannot be read is left without a value.
#include <string>

#include "help/system_info.h"

namespace anglewise {

class LinuxSystemInformation : public SystemInformation {
 public:
  explicit LinuxSystemInformation(std::string root = "/");
  std::optional<std::vector<InfoInstance>> ExecQuery(const std::string& query) override;

 private:
  std::vector<InfoInstance> operatingSystem() const;
  std::vector<InfoInstance> processors() const;
  std::vector<InfoInstance> baseBoards() const;
  std::vector<InfoInstance> computerSystems() const;
  std::string root_;
};

}  // namespace anglewise
