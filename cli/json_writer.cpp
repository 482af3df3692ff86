#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "cli/utf8_text.h"

namespace anglewise {

void JsonWriter::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_) out_ += ',';
  first_ = false;
}

JsonWriter& JsonWriter::beginObject() {
  separate();
  out_ += '{';
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::endObject() {
  out_ += '}';
  first_ = false;
  return *this;
}

JsonWriter& JsonWriter::beginArray() {
  separate();
  out_ += '[';
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::endArray() {
  out_ += ']';
  first_ = false;
  return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
  value(name);
  out_ += ':';
  afterKey_ = true;
  return *this;
}

// Bytes that are not UTF-8 are written as U+FFFD, so every answer decodes.
JsonWriter& JsonWriter::value(std::string_view text) {
  separate();
  out_ += '"';
  while (!text.empty()) {
    char c = text.front();
    if (static_cast<unsigned char>(c) >= 0x80) {
      size_t bad = 0, length = utf8Sequence(text, bad);
      out_ += length > 0 ? text.substr(0, length) : kReplacement;
      text.remove_prefix(length > 0 ? length : bad);
      continue;
    }
    text.remove_prefix(1);
    switch (c) {
      case '"':
        out_ += "\\\"";
        break;
      case '\\':
        out_ += "\\\\";
        break;
      case '\r':
        out_ += "\\r";
        break;
      case '\n':
        out_ += "\\n";
        break;
      case '\t':
        out_ += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", c);
          out_ += escape;
        } else {
          out_ += c;
        }
    }
  }
  out_ += '"';
  return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
  separate();
  out_ += flag ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::value(int number) {
  separate();
  out_ += std::to_string(number);
  return *this;
}

JsonWriter& JsonWriter::value(double number) {
  if (std::isnan(number)) return value("nan");
  if (std::isinf(number)) return value(number > 0 ? "inf" : "-inf");
  separate();
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, number);
  (void)ec;
  out_.append(buf, end);
  return *this;
}

JsonWriter& JsonWriter::value(float number) {
  if (!std::isfinite(number)) return value(static_cast<double>(number));
  separate();
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, number);
  (void)ec;
  out_.append(buf, end);
  return *this;
}

JsonWriter& JsonWriter::null() {
  separate();
  out_ += "null";
  return *this;
}

JsonWriter& JsonWriter::raw(std::string_view json) {
  separate();
  out_ += json;
  return *this;
}

}  // namespace anglewise
