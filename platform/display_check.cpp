#include "platform/display_check.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace anglewise {

bool displayReachable(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "-platform" || arg == "-display") return true;  // Qt's own choice
  }
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform && std::string_view(platform).rfind("xcb", 0) != 0) return true;
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if (!platform && wayland && *wayland) return true;
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  bool reachable = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return reachable;
}

}  // namespace anglewise
