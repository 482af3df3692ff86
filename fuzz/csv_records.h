#pragma once
// The CSV the batch writes read back as a strict reader does (RFC 4180:
// quoted cells with doubled quotes, records ended by CRLF), so a fuzz
// target can check every record a writer made. Anything else aborts.
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace anglewise {

using CsvRecords = std::vector<std::vector<std::string>>;

inline CsvRecords readCsvRecords(std::string_view text) {
  CsvRecords records;
  std::vector<std::string> record;
  std::string cell;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '"') {
      for (++i;; ++i) {
        if (i >= text.size()) std::abort();  // a quote never closed
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            cell += '"';
            ++i;
          } else {
            ++i;
            break;
          }
        } else {
          cell += text[i];
        }
      }
    } else {
      while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n' &&
             text[i] != '"') {
        cell += text[i++];
      }
    }
    if (i < text.size() && text[i] == ',') {
      record.push_back(std::move(cell));
      cell.clear();
      ++i;
    } else if (text.substr(i, 2) == "\r\n") {
      record.push_back(std::move(cell));
      cell.clear();
      records.push_back(std::move(record));
      record.clear();
      i += 2;
    } else {
      std::abort();  // a bare line end, a stray quote or a record without its CRLF
    }
  }
  return records;
}

}  // namespace anglewise
