#include "solver/dms.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "solver/numbers.h"

namespace anglewise {
namespace {

// 1-based position of the first `letter` in `text`, 0 when absent.
size_t position(std::string_view text, char letter) {
  size_t at = text.find(letter);
  return at == std::string_view::npos ? 0 : at + 1;
}

// BASIC's Mid(text, start, length), 1-based; a negative length reads nothing.
std::string_view mid(std::string_view text, size_t start, long long length) {
  if (length <= 0 || start > text.size()) return {};
  return text.substr(start - 1, static_cast<size_t>(length));
}

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view trimmedBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

DmsReading checkedAgainst90(double angle) {
  if (angle > 90) return {0.0, true};
  return {angle, false};
}

// The fraction of a second: everything from the first point on.
double addFraction(double angle, std::string_view s) {
  size_t pp = position(s, '.');
  if (pp > 0) {
    double w = Val(s.substr(pp - 1));
    if (w != 0) angle = angle + w / 3600;
  }
  return angle;
}

}  // namespace

DmsReading readdms(std::string_view text) {
  std::string s = lowered(trimmedBlanks(text));
  if (s == "00d 00m 00s" || s == "0d 0m 0s") return {0.0, true};

  long long pd = static_cast<long long>(position(s, 'd'));
  double angle = Val(mid(s, 1, pd));
  long long pm = static_cast<long long>(position(s, 'm'));
  if (pm > 0) {
    double w = Val(mid(s, static_cast<size_t>(pd) + 1, pm - pd));
    if (w != 0) angle = angle + w / 60;
  }
  if (pm < pd) pm = pd;
  long long ps = static_cast<long long>(position(s, 's'));
  if (ps > 0) {
    double w = Val(mid(s, static_cast<size_t>(pm) + 1, ps - pm));
    if (w != 0) angle = angle + w / 3600;
  }
  angle = addFraction(angle, s);
  return checkedAgainst90(angle);
}

DmsReading readDmsFields(std::string_view text) {
  std::string s = lowered(text);
  // The field of a marker: up to three characters ending with the marker.
  auto field = [&](char marker) -> double {
    size_t p = position(s, marker);
    if (p == 0) return 0.0;
    size_t start = p >= 3 ? p - 2 : 1;
    return Val(mid(s, start, static_cast<long long>(p - start + 1)));
  };
  double angle = field('d');
  double w = field('m');
  if (w != 0) angle = angle + w / 60;
  w = field('s');
  if (w != 0) angle = angle + w / 3600;
  angle = addFraction(angle, s);
  return checkedAgainst90(angle);
}

namespace {

// The shown text of k thousandths of a second, 0 <= k <= 1000: Str of the
// very product formatDms forms, cut to five characters. Made once, as
// formatDms would make each.
std::string_view thousandthsText(int k) {
  static const auto texts = [] {
    std::array<std::string, 1001> made;
    for (int i = 0; i <= 1000; ++i) made[static_cast<size_t>(i)] = Str(i * 0.001).substr(0, 5);
    return made;
  }();
  return texts[static_cast<size_t>(k)];
}

}  // namespace

char* writeDms(double angle, char* out) {
  double deg = Int(angle);
  double f = angle - deg;
  double min = Int(f * 60);
  double secs = (f * 60 - min) * 60;
  double sec = Int(secs);
  double frac = secs - sec;
  double thousandths = roundToWhole(frac * 1000);
  frac = thousandths * 0.001;
  char fracBuffer[kStrRoom];
  std::string_view fracText;
  if (thousandths >= 0 && thousandths <= 1000) {
    fracText = thousandthsText(static_cast<int>(thousandths));
  } else {
    fracText = std::string_view(fracBuffer, writeStr(frac, fracBuffer)).substr(0, 5);
  }
  if (Int(frac) == 1) {
    sec = sec + 1;
    fracText = " 0";
  }
  if (sec == 60) {
    min = min + 1;
    sec = 0;
  }
  if (min == 60) {
    deg = deg + 1;
    min = 0;
  }
  char* p = out;
  p = writeStr(deg, p);
  *p++ = 'd';
  p = writeStr(min, p);
  *p++ = 'm';
  p = writeStr(sec, p);
  *p++ = 's';
  if (fracText != " 0") p = std::copy(fracText.begin(), fracText.end(), p);
  return p;
}

std::string formatDms(double angle) {
  char out[kDmsRoom];
  return std::string(out, writeDms(angle, out));
}

}  // namespace anglewise
