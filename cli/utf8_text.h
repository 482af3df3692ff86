#pragma once
// Text as UTF-8 whatever bytes came in: every sequence that is not UTF-8
// becomes U+FFFD, one for each maximal ill-formed part, as Unicode advises,
// so what was wrong stays visible and every line written can be decoded.
#include <cstddef>
#include <string>
#include <string_view>

namespace anglewise {

/// The replacement character, U+FFFD, as UTF-8.
inline constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

/// How many bytes at the start of `text` (not empty) make one well-formed
/// UTF-8 character, or 0 when they do not; then `bad` says how many bytes
/// one replacement character stands for.
size_t utf8Sequence(std::string_view text, size_t& bad);

/// Appends `text` to `out`, each ill-formed part replaced by U+FFFD.
void appendUtf8(std::string& out, std::string_view text);

/// Whether `text` is well-formed UTF-8 throughout.
bool isUtf8(std::string_view text);

}  // namespace anglewise
