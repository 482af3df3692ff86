// The RTF reader on any bytes: it must end, stay in bounds and give text
// that is valid UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "help/rtf_reader.h"

namespace {

bool validUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    }
    i += n;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rtf(reinterpret_cast<const char*>(data), size);
  auto doc = anglewise::readRtf(rtf);
  if (doc && !validUtf8(doc->plainText())) std::abort();
  return 0;
}
