// The window-script reader and player on any line: the answer is always
// one line of valid JSON.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cli/script_player.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string line(reinterpret_cast<const char*>(data), size);
  bool played = false;
  std::string answer = anglewise::answerLine(line, played);
  if (!nlohmann::json::accept(answer)) std::abort();
  return 0;
}
