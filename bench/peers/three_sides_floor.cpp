// The floor of "read, solve, write" for rows of three sides: the window's
// answer to each row (its angles in decimal degrees and in D/M/S, height,
// width and area, at 12 places) with nothing else, read with from_chars
// and written with to_chars in the texts batch writes. No checks, no
// refusals, no exact rounding: what no solver can beat by much.
//
// Usage: anglewise_floor < rows.csv > answers.csv  (columns id,kind,X,Y,Z)
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

// BASIC's Str of a number rounded to `places`: a blank before a number that
// is not negative, at most 15 significant digits, no 0 before the point.
char* writeNumber(char* out, double value, int places) {
  double scale = std::pow(10.0, places);
  double rounded = std::round(value * scale) / scale;
  if (rounded == 0) rounded = 0;
  if (rounded >= 0) *out++ = ' ';
  char* start = out;
  out = std::to_chars(out, out + 32, rounded, std::chars_format::general, 15).ptr;
  char* digit = rounded < 0 ? start + 1 : start;
  if (*digit == '0' && digit + 1 < out && digit[1] == '.') {
    std::copy(digit + 1, out, digit);
    --out;
  }
  return out;
}

char* writeWhole(char* out, double value) {
  *out++ = ' ';
  return std::to_chars(out, out + 24, static_cast<long long>(value)).ptr;
}

// 53d 7m 48s .368, as the window writes angles in D/M/S.
char* writeDms(char* out, double angle) {
  double deg = std::trunc(angle), f = angle - deg;
  double min = std::trunc(f * 60), secs = (f * 60 - min) * 60, sec = std::trunc(secs);
  double thousandths = std::round((secs - sec) * 1000);
  if (thousandths >= 1000) sec += 1, thousandths = 0;
  if (sec == 60) min += 1, sec = 0;
  if (min == 60) deg += 1, min = 0;
  out = writeWhole(out, deg);
  *out++ = 'd';
  out = writeWhole(out, min);
  *out++ = 'm';
  out = writeWhole(out, sec);
  *out++ = 's';
  if (thousandths > 0) out = writeNumber(out, thousandths / 1000, 3);
  return out;
}

}  // namespace

int main() {
  constexpr double kDegrees = 180 / M_PI;
  std::string line, out;
  char cells[512];
  std::fputs(
      "id,status,xlen,yhei,zrad,adec,adms,bdec,bdms,c90dec,c90dms,theHeight,theWidth,"
      "theArea,messages\r\n",
      stdout);
  char buffer[1 << 16];
  std::string pending;
  bool header = true;
  size_t got;
  auto answer = [&](std::string_view row) {
    if (header) {
      header = false;
      return;
    }
    // id,kind,X,Y,Z
    size_t a = row.find(','), b = row.find(',', a + 1);
    std::string_view id = row.substr(0, a);
    double side[3];
    const char* p = row.data() + b + 1;
    const char* end = row.data() + row.size();
    for (double& s : side) p = std::from_chars(p, end, s).ptr + 1;
    double X = side[0], Y = side[1], Z = side[2];
    double A = std::acos((X * X + Z * Z - Y * Y) / (2 * X * Z)) * kDegrees;
    double B = std::acos((Y * Y + Z * Z - X * X) / (2 * Y * Z)) * kDegrees;
    double C = 180 - A - B;
    double height = Y * std::sin(C / kDegrees), offset = height / std::tan(C / kDegrees);
    double width = offset < 0 ? std::fabs(offset) + X : offset > X ? offset : X;
    double area = Z * X * std::sin(A / kDegrees) / 2;
    char* q = cells;
    q = std::copy(id.begin(), id.end(), q);
    q = std::copy_n(",solved,", 8, q);
    for (double v : {X, Y, Z}) q = writeNumber(q, v, 12), *q++ = ',';
    for (double v : {A, B, C}) {
      q = writeNumber(q, v, 12), *q++ = ',';
      q = writeDms(q, v), *q++ = ',';
    }
    for (double v : {height, width, area}) q = writeNumber(q, v, 12), *q++ = ',';
    *q++ = '\r', *q++ = '\n';
    out.append(cells, q);
    if (out.size() > (1 << 16)) std::fwrite(out.data(), 1, out.size(), stdout), out.clear();
  };
  while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
    pending.append(buffer, got);
    size_t start = 0, newline;
    while ((newline = pending.find('\n', start)) != std::string::npos) {
      size_t length = newline - start;
      if (length > 0 && pending[newline - 1] == '\r') --length;
      answer(std::string_view(pending).substr(start, length));
      start = newline + 1;
    }
    pending.erase(0, start);
  }
  if (!pending.empty()) answer(pending);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
