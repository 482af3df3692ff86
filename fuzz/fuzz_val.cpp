// Val and Str on any text: no crash, and Str of a finite Val reads back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "solver/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  double value = anglewise::Val(text);
  if (!std::isfinite(value)) std::abort();
  std::string shown = anglewise::Str(anglewise::Round(value, 14));
  double back = anglewise::Val(shown);
  if (!std::isfinite(back)) std::abort();
  return 0;
}
