#pragma once
// The About box's system facts: a management-information port answering
// "Select * from <class>" queries with instances of named properties, and
// `listpc`, which turns the answers into the lines of SYSlist.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace anglewise {

/// One returned instance: property name to its text. A property that is
/// missing or empty has no value.
using InfoInstance = std::map<std::string, std::string>;

class SystemInformation {
 public:
  virtual ~SystemInformation() = default;
  /// The instances of a query such as "Select * from Win32_Processor", in
  /// the order the service returns them; nothing when the query fails.
  virtual std::optional<std::vector<InfoInstance>> ExecQuery(const std::string& query) = 0;
};

/// Fills `list` anew: operating system, processors (with the XP test),
/// main boards and computer systems. `decimalSeparator` is the user's.
void listpc(std::vector<std::string>& list, SystemInformation& info,
            const std::string& decimalSeparator);

/// Kilobytes as gigabytes: value x 0.000001 x 0.9542 with pattern "0.00";
/// empty text stays empty.
std::string kilobytesAsGigabytes(const std::string& kilobytes, const std::string& separator);
/// Megahertz as gigahertz: value x 0.001 as plain number text.
std::string megahertzAsGigahertz(const std::string& megahertz, const std::string& separator);

}  // namespace anglewise
