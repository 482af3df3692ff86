// The window-script reader and player on any line.
#include <cstdint>
#include <string>

#include "cli/script_player.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string line(reinterpret_cast<const char*>(data), size);
  (void)anglewise::playSession(line).dump(-1, ' ', false,
                                          nlohmann::ordered_json::error_handler_t::replace);
  return 0;
}
