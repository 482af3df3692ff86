#pragma once
// A small streaming JSON writer for the script answers: answers are written
// straight into one string, which is several times faster than building a
// document tree first. Reading JSON stays with nlohmann::json.
#include <string>
#include <string_view>

namespace anglewise {

class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}
  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();
  /// The key of the next member of the current object.
  JsonWriter& key(std::string_view name);
  /// A JSON string; bytes that are not UTF-8 are written as U+FFFD.
  JsonWriter& value(std::string_view text);
  JsonWriter& value(const char* text) { return value(std::string_view(text)); }
  JsonWriter& value(bool flag);
  JsonWriter& value(int number);
  /// Shortest text that reads back to the same double; "inf", "-inf" and
  /// "nan" as strings.
  JsonWriter& value(double number);
  /// Shortest text that reads back to the same single-precision value.
  JsonWriter& value(float number);
  JsonWriter& null();
  /// Already formed JSON text, written as it is.
  JsonWriter& raw(std::string_view json);

 private:
  void separate();
  std::string& out_;
  bool first_ = true;  // nothing written yet in the current container
  bool afterKey_ = false;
};

}  // namespace anglewise
