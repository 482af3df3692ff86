// Both D/M/S readers on any text, and the writer on what they read.
#include <cstdint>
#include <string_view>

#include "solver/dms.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  anglewise::DmsReading a = anglewise::readdms(text);
  anglewise::DmsReading b = anglewise::readDmsFields(text);
  (void)anglewise::formatDms(a.degrees);
  (void)anglewise::formatDms(b.degrees);
  return 0;
}
