// The batch's CSV writer on any cells: the output is UTF-8, reads back as
// strict CSV with one record a row (and the header), every record with all
// its cells, each the cell's text with its ill-formed bytes replaced, and an
// echoed formula marked as text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/row_writer.h"
#include "cli/utf8_text.h"
#include "fuzz/csv_records.h"

namespace {

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

std::string echoed(std::string_view text, bool asText) {
  std::string out = asText && anglewise::looksLikeFormula(text) ? "'" : "";
  anglewise::appendUtf8(out, text);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> all = cells(std::string_view(reinterpret_cast<const char*>(data), size));
  anglewise::RowWriter writer(false);
  for (size_t i = 0; i < all.size(); i += 3) {
    writer.begin();
    writer.text("id", all[i]);
    writer.cell("value", all[i + 1]);
    writer.text("messages", all[i + 2]);
    writer.end();
  }
  std::string output(writer.rows());
  if (!anglewise::isUtf8(output)) std::abort();
  anglewise::CsvRecords records = anglewise::readCsvRecords(output);
  if (records.size() != all.size() / 3 + 1) std::abort();
  if (records[0] != std::vector<std::string>{"id", "value", "messages"}) std::abort();
  for (size_t row = 1; row < records.size(); ++row) {
    const std::vector<std::string>& record = records[row];
    size_t i = (row - 1) * 3;
    if (record.size() != 3 || record[0] != echoed(all[i], true) ||
        record[1] != echoed(all[i + 1], false) || record[2] != echoed(all[i + 2], true)) {
      std::abort();
    }
  }
  return 0;
}
