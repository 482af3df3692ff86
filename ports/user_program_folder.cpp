#include "ports/user_program_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "ports/program_folder.h"

namespace anglewise {
namespace fs = std::filesystem;

std::string userDataHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.local/share";
  return "";
}

bool isSystemFolder(const std::string& folder) {
  return folder.rfind("/usr/", 0) == 0 || ::access(folder.c_str(), W_OK) != 0;
}

namespace {

// The user's folder links to the installed help file; a link left by an
// older installation elsewhere is pointed at this one.
void linkHelpFile(const fs::path& folder, const fs::path& installed) {
  fs::path link = folder / kHelpFileName;
  std::error_code error;
  if (fs::is_symlink(link, error) && fs::read_symlink(link, error) == installed) return;
  if (fs::is_symlink(link, error)) fs::remove(link, error);
  if (!fs::exists(link, error)) fs::create_symlink(installed, link, error);
}

}  // namespace

std::string chooseProgramFolder(const std::string& applicationFolder, const std::string& dataHome) {
  std::string own = withTrailingSeparator(applicationFolder);
  if (!isSystemFolder(own) || dataHome.empty()) return own;
  fs::path folder = fs::path(dataHome) / "anglewise";
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder, error) || ::access(folder.c_str(), W_OK) != 0) return own;
  linkHelpFile(folder, fs::path(own) / kHelpFileName);
  return withTrailingSeparator(folder.string());
}

}  // namespace anglewise
