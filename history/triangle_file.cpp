#include "history/triangle_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "files/whole_file.h"

namespace anglewise {
namespace {

std::string headerLine() {
  return nlohmann::ordered_json{
      {"id", {{"anglewise", "triangles"}, {"version", kTriangleFileVersion}}},
      {"actions", nlohmann::json::array()}}
      .dump();
}

}  // namespace

std::string saveTriangleFile(const std::string& path, const std::vector<HistoryEntry>& entries) {
  std::string bytes = headerLine() + "\n";
  for (const HistoryEntry& entry : entries) bytes += entryLine(entry) + "\n";
  return writeWholeFile(path, bytes);
}

std::string openTriangleFile(const std::string& path, std::vector<HistoryEntry>& entries) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "Cannot read " + path + ": " + std::strerror(errno) + ".";
  std::stringstream whole;
  whole << in.rdbuf();
  std::string bytes = whole.str();
  std::istringstream lines(bytes);
  std::string line;
  std::getline(lines, line);
  nlohmann::json header = nlohmann::json::parse(line, nullptr, false);
  if (header.is_discarded() || !header.is_object() || !header.contains("id") ||
      !header["id"].is_object() || header["id"].value("anglewise", "") != "triangles") {
    return path + " is not a triangle file of Anglewise.";
  }
  int version = header["id"].value("version", 0);
  if (version > kTriangleFileVersion) {
    return path + " was written by a newer Anglewise (triangle file version " +
           std::to_string(version) + "); this one reads version " +
           std::to_string(kTriangleFileVersion) + ".";
  }
  if (bytes.empty() || bytes.back() != '\n')
    return path + " is cut short: its last line is incomplete.";
  std::vector<HistoryEntry> read;
  std::string why;
  for (int number = 2; std::getline(lines, line); ++number) {
    if (line.empty()) continue;
    std::optional<HistoryEntry> entry = parseEntryLine(line, why);
    if (!entry) return path + ", line " + std::to_string(number) + ": " + why + ".";
    read.push_back(std::move(*entry));
  }
  entries = std::move(read);
  return "";
}

}  // namespace anglewise
