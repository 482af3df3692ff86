#include "help/linux_system_info.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace anglewise {
namespace {

std::string trim(const std::string& s) {
  size_t first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  size_t last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

// The first line of a small system file, trimmed; empty when unreadable.
std::string firstLine(const std::string& path) {
  std::ifstream file(path);
  std::string line;
  std::getline(file, line);
  return trim(line);
}

// "KEY=value" lines of os-release, quotes removed.
std::string osReleaseValue(const std::string& root, const std::string& key) {
  for (const char* name : {"etc/os-release", "usr/lib/os-release"}) {
    std::ifstream file(root + name);
    if (!file) continue;
    std::string line;
    while (std::getline(file, line)) {
      if (line.rfind(key + "=", 0) != 0) continue;
      std::string value = trim(line.substr(key.size() + 1));
      if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
          value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
      }
      return value;
    }
    return "";
  }
  return "";
}

// "Key:   1234 kB" lines of meminfo: the number alone.
std::string meminfoKilobytes(const std::string& root, const std::string& key) {
  std::ifstream file(root + "proc/meminfo");
  std::string line;
  while (std::getline(file, line)) {
    if (line.rfind(key + ":", 0) != 0) continue;
    std::istringstream fields(line.substr(key.size() + 1));
    std::string number;
    fields >> number;
    return number;
  }
  return "";
}

// One block of /proc/cpuinfo: one logical processor.
using CpuBlock = std::map<std::string, std::string>;

std::vector<CpuBlock> cpuBlocks(const std::string& root) {
  std::vector<CpuBlock> blocks;
  std::ifstream file(root + "proc/cpuinfo");
  std::string line;
  CpuBlock current;
  auto flush = [&] {
    if (!current.empty()) blocks.push_back(std::move(current));
    current.clear();
  };
  while (std::getline(file, line)) {
    size_t colon = line.find(':');
    if (trim(line).empty()) {
      flush();
    } else if (colon != std::string::npos) {
      current[trim(line.substr(0, colon))] = trim(line.substr(colon + 1));
    }
  }
  flush();
  return blocks;
}

std::string field(const CpuBlock& block, const std::string& key) {
  auto it = block.find(key);
  return it == block.end() ? std::string() : it->second;
}

// The highest clock of a logical processor in whole megahertz: the
// frequency driver's maximum where there is one, else the current clock.
std::string maxClockMegahertz(const std::string& root, const CpuBlock& cpu) {
  std::string kilohertz = firstLine(root + "sys/devices/system/cpu/cpu" + field(cpu, "processor") +
                                    "/cpufreq/cpuinfo_max_freq");
  try {
    if (!kilohertz.empty()) return std::to_string(std::stoll(kilohertz) / 1000);
    std::string mhz = field(cpu, "cpu MHz");
    if (!mhz.empty()) return std::to_string(std::llround(std::stod(mhz)));
  } catch (const std::exception&) {
  }
  return "";
}

// The first logical processor of each physical package, in the order met.
std::vector<CpuBlock> packages(const std::vector<CpuBlock>& blocks) {
  std::vector<CpuBlock> first;
  std::vector<std::string> seen;
  for (const CpuBlock& block : blocks) {
    std::string id = field(block, "physical id");
    if (std::find(seen.begin(), seen.end(), id) != seen.end()) continue;
    seen.push_back(id);
    first.push_back(block);
  }
  return first;
}

void setIfKnown(InfoInstance& instance, const std::string& name, const std::string& value) {
  if (!value.empty()) instance[name] = value;
}

}  // namespace

LinuxSystemInformation::LinuxSystemInformation(std::string root) : root_(std::move(root)) {
  if (root_.empty() || root_.back() != '/') root_ += '/';
}

std::optional<std::vector<InfoInstance>> LinuxSystemInformation::ExecQuery(
    const std::string& query) {
  const std::string prefix = "Select * from ";
  if (query.rfind(prefix, 0) != 0) return std::nullopt;
  std::string className = query.substr(prefix.size());
  if (className == "Win32_OperatingSystem") return operatingSystem();
  if (className == "Win32_Processor") return processors();
  if (className == "Win32_BaseBoard") return baseBoards();
  if (className == "Win32_ComputerSystem") return computerSystems();
  return std::nullopt;
}

std::vector<InfoInstance> LinuxSystemInformation::operatingSystem() const {
  InfoInstance os;
  setIfKnown(os, "Caption", osReleaseValue(root_, "PRETTY_NAME"));
  setIfKnown(os, "Version", firstLine(root_ + "proc/sys/kernel/osrelease"));
  setIfKnown(os, "CSDVersion", firstLine(root_ + "proc/sys/kernel/version"));
  std::string vendor = osReleaseValue(root_, "VENDOR_NAME");
  setIfKnown(os, "Manufacturer", vendor.empty() ? osReleaseValue(root_, "NAME") : vendor);
  setIfKnown(os, "CSName", firstLine(root_ + "proc/sys/kernel/hostname"));
  setIfKnown(os, "TotalVisibleMemorySize", meminfoKilobytes(root_, "MemTotal"));
  std::string available = meminfoKilobytes(root_, "MemAvailable");
  setIfKnown(os, "FreePhysicalMemory",
             available.empty() ? meminfoKilobytes(root_, "MemFree") : available);
  return {os};
}

std::vector<InfoInstance> LinuxSystemInformation::processors() const {
  std::vector<InfoInstance> out;
  for (const CpuBlock& cpu : packages(cpuBlocks(root_))) {
    InfoInstance p;
    setIfKnown(p, "Name", field(cpu, "model name"));
    if (!field(cpu, "cpu family").empty()) {
      p["Description"] = "Family " + field(cpu, "cpu family") + " Model " + field(cpu, "model") +
                         " Stepping " + field(cpu, "stepping");
    }
    setIfKnown(p, "Manufacturer", field(cpu, "vendor_id"));
    setIfKnown(p, "MaxClockSpeed", maxClockMegahertz(root_, cpu));
    out.push_back(std::move(p));
  }
  return out;
}

std::vector<InfoInstance> LinuxSystemInformation::baseBoards() const {
  InfoInstance board;
  setIfKnown(board, "Manufacturer", firstLine(root_ + "sys/class/dmi/id/board_vendor"));
  setIfKnown(board, "Product", firstLine(root_ + "sys/class/dmi/id/board_name"));
  if (board.empty()) return {};  // no firmware tables: no board to tell of
  return {board};
}

std::vector<InfoInstance> LinuxSystemInformation::computerSystems() const {
  std::vector<CpuBlock> blocks = cpuBlocks(root_);
  InfoInstance cs;
  if (!blocks.empty()) {
    cs["NumberOfProcessors"] = std::to_string(packages(blocks).size());
    cs["NumberOfLogicalProcessors"] = std::to_string(blocks.size());
  }
  return {cs};
}

}  // namespace anglewise
