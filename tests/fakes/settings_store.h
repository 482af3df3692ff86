#pragma once
// A settings store in memory that also lists its writes in order.
#include <map>
#include <string>
#include <vector>

#include "ports/ports.h"

namespace anglewise {

class MapStore : public SettingsStore {
 public:
  std::optional<std::string> GetSetting(const std::string& app, const std::string& section,
                                        const std::string& key) override {
    auto it = values.find(app + "/" + section + "/" + key);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override {
    values[app + "/" + section + "/" + key] = value;
    writes.push_back(key + "=" + value);
  }
  std::map<std::string, std::string> values;
  std::vector<std::string> writes;
};

}  // namespace anglewise
