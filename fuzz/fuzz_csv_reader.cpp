// The batch's CSV reader on any input: its rows are libcsv's own, and the
// batch answers every row once, in JSON lines that each parse as UTF-8
// JSON and in CSV whose every record has all the columns.
#include <csv.h>

#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_command.h"
#include "cli/csv_reader.h"
#include "cli/utf8_text.h"
#include "fuzz/csv_records.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

struct Collect : anglewise::CsvRowSink {
  void cell(std::string_view text) override { current.emplace_back(text); }
  void endRow() override {
    rows.push_back(current);
    current.clear();
  }
  void overlongRow() override { std::abort(); }  // inputs stay below the bound
  Rows rows;
  std::vector<std::string> current;
};

Rows libcsvRows(std::string_view text) {
  Collect collect;
  csv_parser parser;
  csv_init(&parser, 0);
  auto cell = [](void* data, size_t size, void* sink) {
    static_cast<Collect*>(sink)->cell({static_cast<const char*>(data), size});
  };
  auto row = [](int, void* sink) { static_cast<Collect*>(sink)->endRow(); };
  csv_parse(&parser, text.data(), text.size(), cell, row, &collect);
  csv_fini(&parser, cell, row, &collect);
  csv_free(&parser);
  return collect.rows;
}

// Fed in two pieces cut where the input's first byte says.
Rows boundedRows(std::string_view text, size_t cut) {
  Collect collect;
  anglewise::CsvReader reader(collect, anglewise::kBatchRowBound, anglewise::kBatchRunawayBound);
  reader.feed(text.substr(0, cut));
  reader.feed(text.substr(cut));
  reader.finish();
  return collect.rows;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> all;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) all.push_back(line);
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > anglewise::kBatchRowBound) return 0;
  std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  Rows rows = libcsvRows(text);
  if (boundedRows(text, data[0] % (text.size() + 1)) != rows) std::abort();

  std::string input(text);
  std::istringstream jsonIn(input), csvIn(input);
  std::ostringstream jsonOut, csvOut, errors;
  int status = anglewise::runBatch(jsonIn, "input", jsonOut, errors, {.jsonl = true});
  if (anglewise::runBatch(csvIn, "input", csvOut, errors, {}) != status) std::abort();
  if (status != 0 && status != 1 && status != 2) std::abort();

  // A byte-order mark is no row; the header is answered by no row.
  bool bom = text.starts_with("\xEF\xBB\xBF");
  size_t expected = status == 2 ? 0 : libcsvRows(text.substr(bom ? 3 : 0)).size() - 1;
  std::vector<std::string> json = lines(jsonOut.str());
  if (json.size() != expected) std::abort();
  for (const std::string& line : json) {
    nlohmann::json row = nlohmann::json::parse(line, nullptr, false);
    if (row.is_discarded() || !row.is_object() || !row.contains("id")) std::abort();
  }
  if (!anglewise::isUtf8(csvOut.str())) std::abort();
  anglewise::CsvRecords records = anglewise::readCsvRecords(csvOut.str());
  if (records.size() != (expected == 0 ? 0 : expected + 1)) std::abort();
  for (const auto& record : records) {
    if (record.size() != records.front().size()) std::abort();
  }
  return 0;
}
