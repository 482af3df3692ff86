#include "help/system_info.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace anglewise {
namespace {

std::string property(const InfoInstance& instance, const std::string& name) {
  auto it = instance.find(name);
  return it == instance.end() ? std::string() : it->second;
}

// The number in `text`, or nothing when it is empty or not a number.
std::optional<double> numberFrom(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  double value = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string withSeparator(std::string text, const std::string& separator) {
  size_t dot = text.find('.');
  if (dot != std::string::npos) text.replace(dot, 1, separator);
  return text;
}

// Runs one query; a failed query adds nothing.
template <typename AddLines>
void forEachInstance(SystemInformation& info, const char* className, AddLines add) {
  auto instances = info.ExecQuery(std::string("Select * from ") + className);
  if (!instances) return;
  for (const InfoInstance& instance : *instances) add(instance);
}

}  // namespace

std::string kilobytesAsGigabytes(const std::string& kilobytes, const std::string& separator) {
  std::optional<double> value = numberFrom(kilobytes);
  if (!value) return "";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", *value * 0.000001 * 0.9542);
  return withSeparator(buf, separator);
}

std::string megahertzAsGigahertz(const std::string& megahertz, const std::string& separator) {
  std::optional<double> value = numberFrom(megahertz);
  if (!value) return "";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", *value * 0.001);
  return withSeparator(buf, separator);
}

void listpc(std::vector<std::string>& list, SystemInformation& info, const std::string& separator) {
  list.clear();
  forEachInstance(info, "Win32_OperatingSystem", [&](const InfoInstance& os) {
    list.push_back("OS Caption: " + property(os, "Caption"));
    list.push_back("OS Version: " + property(os, "Version"));
    list.push_back("OS CSD Version: " + property(os, "CSDVersion"));
    list.push_back("OS Manufacturer: " + property(os, "Manufacturer"));
    list.push_back("OS CS Name: " + property(os, "CSName"));
    list.push_back("OS Total Visible Memory Size: " +
                   kilobytesAsGigabytes(property(os, "TotalVisibleMemorySize"), separator) + " GB");
    list.push_back("OS Free Physical Memory: " +
                   kilobytesAsGigabytes(property(os, "FreePhysicalMemory"), separator) + " GB");
  });
  // An old system describes its processors better than it names them.
  std::string first = list.empty() ? std::string() : list.front();
  bool xp = first.find("XP", 1) != std::string::npos;
  forEachInstance(info, "Win32_Processor", [&](const InfoInstance& cpu) {
    if (xp) {
      list.push_back("CPU Description: " + property(cpu, "Description"));
    } else {
      list.push_back("CPU Name: " + property(cpu, "Name"));
    }
    list.push_back("CPU Manufacturer: " + property(cpu, "Manufacturer"));
    list.push_back("CPU Max Clock Speed: " +
                   megahertzAsGigahertz(property(cpu, "MaxClockSpeed"), separator) + " Ghz");
    list.push_back("CPU Socket Designation: " + property(cpu, "SocketDesignation"));
  });
  forEachInstance(info, "Win32_BaseBoard", [&](const InfoInstance& board) {
    list.push_back("MB Manufacturer: " + property(board, "Manufacturer"));
    list.push_back("MB Product: " + property(board, "Product"));
  });
  forEachInstance(info, "Win32_ComputerSystem", [&](const InfoInstance& cs) {
    list.push_back("CS Number Of Processors: " + property(cs, "NumberOfProcessors"));
    list.push_back("CS Number Of Logical Processors: " + property(cs, "NumberOfLogicalProcessors"));
  });
}

}  // namespace anglewise
