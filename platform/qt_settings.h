#pragma once
// The per-user settings store on QSettings: an INI file in the user's
// configuration folder (~/.config/Anglewise/Anglewise.ini), one group per
// section.
#include "mainwindow/lifecycle.h"

namespace anglewise {

class QtSettingsStore : public SettingsStore {
 public:
  std::optional<std::string> GetSetting(const std::string& app, const std::string& section,
                                        const std::string& key) override;
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

}  // namespace anglewise
