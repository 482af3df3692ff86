// The JSON writer and the JSON lines of the batch on any text: every line
// parses as UTF-8 JSON, one a row, and gives back the text with only its
// ill-formed bytes replaced.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/json_writer.h"
#include "cli/row_writer.h"
#include "cli/utf8_text.h"

namespace {

// The input cut into cells at each NUL, the cells into rows of three.
std::vector<std::string> cells(std::string_view text) {
  std::vector<std::string> all;
  size_t start = 0;
  for (size_t end; (end = text.find('\0', start)) != std::string_view::npos; start = end + 1) {
    all.emplace_back(text.substr(start, end - start));
  }
  all.emplace_back(text.substr(start));
  while (all.size() % 3 != 0) all.emplace_back();
  return all;
}

std::string repaired(std::string_view text) {
  std::string out;
  anglewise::appendUtf8(out, text);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string single;
  anglewise::JsonWriter(single).value(text);
  nlohmann::json back = nlohmann::json::parse(single, nullptr, false);
  if (back.is_discarded() || back != repaired(text)) std::abort();

  std::vector<std::string> all = cells(text);
  anglewise::RowWriter writer(true);
  for (size_t i = 0; i < all.size(); i += 3) {
    writer.begin();
    writer.text("id", all[i]);
    writer.cell("value", all[i + 1]);
    writer.text("messages", all[i + 2]);
    writer.end();
  }
  std::istringstream lines{std::string(writer.rows())};
  size_t row = 0;
  for (std::string line; std::getline(lines, line); ++row) {
    nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
    if (object.is_discarded() || object.size() != 3 || row * 3 >= all.size()) std::abort();
    if (object["id"] != repaired(all[row * 3]) || object["value"] != repaired(all[row * 3 + 1]) ||
        object["messages"] != repaired(all[row * 3 + 2])) {
      std::abort();
    }
  }
  if (row * 3 != all.size()) std::abort();
  return 0;
}
