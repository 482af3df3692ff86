#include "cli/utf8_text.h"

#include <algorithm>

namespace anglewise {
namespace {

bool ascii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

// The table of well-formed sequences: the second byte's range depends on
// the first (no overlong forms, no surrogates, nothing past U+10FFFF).
size_t utf8Sequence(std::string_view text, size_t& bad) {
  auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    bad = 1;
    return 0;
  }
  for (size_t i = 1; i < length; ++i) {
    if (i >= text.size() || byte(i) < low || byte(i) > high) {
      bad = i;
      return 0;
    }
    low = 0x80;
    high = 0xBF;
  }
  return length;
}

void appendUtf8(std::string& out, std::string_view text) {
  if (ascii(text)) {
    out += text;
    return;
  }
  while (!text.empty()) {
    size_t bad = 0, length = utf8Sequence(text, bad);
    if (length > 0) {
      out += text.substr(0, length);
      text.remove_prefix(length);
    } else {
      out += kReplacement;
      text.remove_prefix(bad);
    }
  }
}

bool isUtf8(std::string_view text) {
  while (!text.empty()) {
    size_t bad = 0, length = utf8Sequence(text, bad);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

}  // namespace anglewise
