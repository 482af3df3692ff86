#pragma once
// A fresh folder of the test's own, removed with everything in it when the
// test is done.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace anglewise {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "anglewise-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
      throw std::filesystem::filesystem_error("mkdtemp", std::error_code());
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  /// Writes `text` to `relative`, making the folders on the way.
  std::filesystem::path write(const std::string& relative, const std::string& text) const {
    std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    return file;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace anglewise
