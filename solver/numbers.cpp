#include "solver/numbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace anglewise {
namespace {

bool isIgnoredBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Collects the characters of the leading number of `text` (blanks dropped)
// into a form std::from_chars reads: digits, one point, and "e" exponent.
std::string leadingNumber(std::string_view text, bool& negative) {
  std::string mantissa;
  std::string exponent;
  negative = false;
  enum class Stage { Sign, Mantissa, ExponentSign, ExponentDigits } stage = Stage::Sign;
  bool seenPoint = false;
  for (char c : text) {
    if (isIgnoredBlank(c)) continue;
    if (stage == Stage::Sign) {
      stage = Stage::Mantissa;
      if (c == '-' || c == '+') {
        negative = c == '-';
        continue;
      }
    }
    if (stage == Stage::Mantissa) {
      if (isDigit(c)) {
        mantissa += c;
      } else if (c == '.' && !seenPoint) {
        seenPoint = true;
        mantissa += c;
      } else if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        stage = Stage::ExponentSign;
      } else {
        break;
      }
    } else if (stage == Stage::ExponentSign) {
      stage = Stage::ExponentDigits;
      if (c == '-' || c == '+') {
        exponent += c;
        continue;
      }
      if (!isDigit(c)) break;
      exponent += c;
    } else {
      if (!isDigit(c)) break;
      exponent += c;
    }
  }
  bool hasDigits = false;
  for (char c : mantissa) hasDigits = hasDigits || isDigit(c);
  if (!hasDigits) return {};
  // A letter or sign with no exponent digits after it adds nothing.
  bool exponentHasDigits = !exponent.empty() && isDigit(exponent.back());
  if (exponentHasDigits) {
    bool negativeExponent = exponent[0] == '-';
    size_t firstDigit = exponent.find_first_not_of("+-0");
    std::string digits = firstDigit == std::string::npos ? "0" : exponent.substr(firstDigit);
    // An absurdly long exponent saturates; from_chars then reports the range.
    if (digits.size() > 6) digits = "999999";
    mantissa += negativeExponent ? "e-" : "e";
    mantissa += digits;
  }
  return mantissa;
}

}  // namespace

double Val(std::string_view text) {
  bool negative = false;
  std::string number = leadingNumber(text, negative);
  if (number.empty()) return 0.0;
  double value = 0.0;
  const char* first = number.data();
  const char* last = first + number.size();
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Too small rounds to zero; too large saturates so no infinity leaks out.
    double approx = std::strtod(number.c_str(), nullptr);
    value = std::isinf(approx) ? DBL_MAX : 0.0;
  } else if (ec != std::errc()) {
    return 0.0;
  }
  (void)ptr;
  return negative ? -value : value;
}

std::string Str(double value) {
  if (std::isnan(value)) return " NaN";
  if (std::isinf(value)) return value > 0 ? " Infinity" : "-Infinity";
  if (value == 0.0) return " 0";
  // 14 places in scientific form are exactly 15 significant digits,
  // correctly rounded (to_chars rounds as printf does, without its cost).
  char buf[40];
  auto end =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14).ptr;
  std::string text(buf, end);
  size_t ePos = text.find('e');
  std::string digits = text.substr(0, 1) + text.substr(2, ePos - 2);
  int exponent = std::atoi(text.c_str() + ePos + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = value < 0 ? "-" : " ";
  if (exponent >= 15 || exponent < -4) {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    char expText[16];
    std::snprintf(expText, sizeof expText, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return out + expText;
  }
  if (exponent < 0)
    return out + "." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  size_t whole = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
  return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

double Round(double value, int places) {
  if (!std::isfinite(value)) return value;
  // The exact binary value rounded half to even, as printf rounds it; reading the
  // decimal back gives the double nearest the rounded number.
  char buf[400];
  auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, places).ptr;
  double rounded = 0.0;
  std::from_chars(buf, end, rounded);
  if (buf[0] == '-' && rounded == 0.0) return -0.0;
  return rounded;
}

double Int(double value) {
  return std::floor(value);
}

double roundToWhole(double value) {
  return std::nearbyint(value);
}

}  // namespace anglewise
