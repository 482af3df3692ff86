#include "solver/numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

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

namespace {

// The common case of box text, such as " 53.130102354156" or "-4": blanks,
// a sign, then digits with at most one point to the end. Such text is its
// own leading number; anything else is read the long way.
std::optional<double> plainDecimal(std::string_view text) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return std::nullopt;
  bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  size_t start = i;
  bool digit = false, point = false;
  for (; i < text.size(); ++i) {
    if (isDigit(text[i])) {
      digit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digit) return std::nullopt;
  double value = 0.0;
  auto [end, ec] = std::from_chars(text.data() + start, text.data() + text.size(), value,
                                   std::chars_format::fixed);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace

double Val(std::string_view text) {
  if (std::optional<double> plain = plainDecimal(text)) return *plain;
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

namespace {

// The 15 significant digits of |value| (trailing zeros dropped) and the
// decimal exponent of the first. The shortest text that reads back to the
// double is, when it has 15 digits or fewer, exactly the correctly rounded
// 15-digit text (15-digit decimals lie too far apart for two to read back
// to one double), and it costs a fraction of a rounding to 15 places.
int significantDigits(double magnitude, char* digits, int& count) {
  char buf[48];
  char* end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific).ptr;
  char* e = std::find(buf, end, 'e');
  if (e - buf > 16) {  // more than 15 digits: round to 15 places
    end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14).ptr;
    e = std::find(buf, end, 'e');
  }
  count = 0;
  for (char* p = buf; p < e; ++p) {
    if (*p != '.') digits[count++] = *p;
  }
  while (count > 1 && digits[count - 1] == '0') --count;
  int exponent = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
  return exponent;
}

}  // namespace

namespace {

constexpr auto kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{1};
  for (size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
  return powers;
}();

// How many decimal digits `number` has (1 for 0): the bit length gives the
// power of ten to within one.
int decimalLength(std::uint64_t number) {
  int guess = static_cast<int>((std::bit_width(number) * 1233) >> 12);  // 1233 / 4096 ~ log10(2)
  return guess + (number >= kPowersOfTen[static_cast<size_t>(guess)] ? 1 : 0) +
         (number == 0 ? 1 : 0);
}

// Str's text of the number whose significant digits are `digits` (no
// trailing zeros), the first of them standing for 10^exponent, written at
// `out`; returns its end.
char* writeDecimal(char* out, bool negative, const char* digits, int count, int exponent) {
  char* p = out;
  *p++ = negative ? '-' : ' ';
  auto put = [&p](const char* from, int n) { p = std::copy(from, from + n, p); };
  if (exponent >= 15 || exponent < -4) {
    *p++ = digits[0];
    if (count > 1) *p++ = '.', put(digits + 1, count - 1);
    p += std::snprintf(p, 16, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  } else if (exponent < 0) {
    *p++ = '.';
    p = std::fill_n(p, -exponent - 1, '0');
    put(digits, count);
  } else {
    int whole = exponent + 1;
    put(digits, std::min(count, whole));
    if (count <= whole) {
      p = std::fill_n(p, whole - count, '0');
    } else {
      *p++ = '.';
      put(digits + whole, count - whole);
    }
  }
  return p;
}

// The decimal digits of `number` with trailing zeros dropped; returns their
// count and sets `exponent` to the power of ten of the first, given that
// the last digit of `number` stands for 10^lastExponent. The zeros go
// first, so round numbers cost few digits.
int digitsOf(std::uint64_t number, int lastExponent, char* digits, int& exponent) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  int zeros = 0;
  if (number != 0) {
    while (number % 10000 == 0) number /= 10000, zeros += 4;
    while (number % 10 == 0) number /= 10, ++zeros;
  }
  int count = decimalLength(number);
  exponent = count + zeros - 1 + lastExponent;
  char* p = digits + count;
  for (; number >= 100; number /= 100) {
    size_t pair = 2 * (number % 100);
    *--p = kPairs[pair + 1];
    *--p = kPairs[pair];
  }
  if (number >= 10) {
    p[-1] = kPairs[2 * number + 1];
    p[-2] = kPairs[2 * number];
  } else {
    p[-1] = static_cast<char>('0' + number);
  }
  return count;
}

}  // namespace

char* writeStr(double value, char* out) {
  auto literal = [out](std::string_view text) { return std::copy(text.begin(), text.end(), out); };
  double magnitude = std::fabs(value);
  if (magnitude < 1000 && magnitude == static_cast<int>(magnitude)) {
    // Degrees, minutes and seconds (and 0): a few digits, written straight.
    // NaN fails the test, and so does infinity.
    int whole = static_cast<int>(magnitude);
    *out++ = value < 0 ? '-' : ' ';
    if (whole >= 100) *out++ = static_cast<char>('0' + whole / 100);
    if (whole >= 10) *out++ = static_cast<char>('0' + whole / 10 % 10);
    *out++ = static_cast<char>('0' + whole % 10);
    return out;
  }
  if (std::isnan(value)) return literal(" NaN");
  if (std::isinf(value)) return literal(value > 0 ? " Infinity" : "-Infinity");
  char digits[24];
  int count = 0;
  int exponent = 0;
  if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
    // A whole number of 15 digits or fewer is its own shortest text.
    count = digitsOf(static_cast<std::uint64_t>(magnitude), 0, digits, exponent);
  } else {
    exponent = significantDigits(magnitude, digits, count);
  }
  return writeDecimal(out, value < 0, digits, count, exponent);
}

// Built in place and made a string once: most captions fit the string's
// own small buffer and need no allocation.
std::string Str(double value) {
  char out[kStrRoom];
  return std::string(out, writeStr(value, out));
}

// |value| times 10^places, rounded half to even on the exact binary value,
// as a whole number; none where it would not fit in 63 bits. The double is
// m * 2^e with a 53-bit m, and m * 10^places fits in 128 bits, so the
// rounding is exact integer arithmetic.
// 128-bit integers, a compiler extension (GCC and clang) that the exact
// rounding below needs.
__extension__ typedef unsigned __int128 Wide;

std::optional<std::uint64_t> scaledRounded(double magnitude, int places) {
  if (places < 0 || places > 14) return std::nullopt;
  // The double's own bits: magnitude = mantissa * 2^shift exactly.
  auto bits = std::bit_cast<std::uint64_t>(magnitude);
  int biased = static_cast<int>(bits >> 52);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased != 0) mantissa |= std::uint64_t{1} << 52;
  int shift = (biased == 0 ? 1 : biased) - 1075;
  Wide product = static_cast<Wide>(mantissa) * kPowersOfTen[static_cast<size_t>(places)];
  if (shift >= 0) {
    if (shift > 10) return std::nullopt;
    product <<= shift;
  } else if (-shift > 100) {
    return 0;  // the product, below 2^100, is under half a unit
  } else {
    int k = -shift;
    Wide whole = product >> k;
    Wide rest = product - (whole << k);
    Wide half = static_cast<Wide>(1) << (k - 1);
    if (rest > half || (rest == half && (whole & 1) != 0)) ++whole;
    product = whole;
  }
  if (product >> 63) return std::nullopt;
  return static_cast<std::uint64_t>(product);
}

double Round(double value, int places) {
  if (!std::isfinite(value)) return value;
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};
  if (std::optional<std::uint64_t> scaled = scaledRounded(std::fabs(value), places)) {
    // Both operands are exact doubles, so the quotient is correctly rounded:
    // the double nearest the rounded decimal, as reading it back gives.
    double rounded = 0;
    if (*scaled < (std::uint64_t{1} << 53)) {
      rounded = static_cast<double>(*scaled) / kPowers[places];
    } else {
      char buf[48];
      char* end = std::to_chars(buf, buf + sizeof buf, *scaled).ptr;
      std::string text(buf, end);
      if (places > 0) {
        if (text.size() <= static_cast<size_t>(places)) {
          text.insert(0, static_cast<size_t>(places) + 1 - text.size(), '0');
        }
        text.insert(text.size() - static_cast<size_t>(places), ".");
      }
      std::from_chars(text.data(), text.data() + text.size(), rounded);
    }
    return std::signbit(value) ? -rounded : rounded;
  }
  // Beyond 63 bits: the exact binary value rounded half to even, as printf
  // rounds it, read back.
  char buf[400];
  auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, places).ptr;
  double rounded = 0.0;
  std::from_chars(buf, end, rounded);
  if (buf[0] == '-' && rounded == 0.0) return -0.0;
  return rounded;
}

namespace {

// N * 10^-places rounded to 15 significant digits, as Str rounds the double
// nearest to it. N is the value rounded, so the value lies within half a
// unit of N, and so does that nearest double: both round as N does unless
// N's dropped digits are exactly a tie. Returns the digit count, or 0 for a
// tie, which the double's own side decides.
int fifteenDigitsOf(std::uint64_t scaled, int places, char* digits, int& exponent) {
  int count = decimalLength(scaled);
  std::uint64_t unit = kPowersOfTen[static_cast<size_t>(count - 15)];
  std::uint64_t kept = scaled / unit, rest = scaled % unit, half = unit / 2;
  if (rest == half) return 0;
  if (rest > half) ++kept;
  // A carry to 10^15 adds a digit, and the zeros then drop.
  return digitsOf(kept, count - 15 - places, digits, exponent);
}

}  // namespace

// Round reads back the double nearest the rounded decimal N * 10^-places;
// when N has 15 significant digits or fewer, that decimal is exactly Str's
// 15 digits of the double (a decimal of 15 digits or fewer is the correctly
// rounded 15 digits of the double it reads back to), so Str's text comes
// straight from N's digits. Longer N are rounded to 15 digits here unless
// they end in an exact tie.
char* writeRoundStr(double value, int places, char* out) {
  std::optional<std::uint64_t> scaled;
  if (std::isfinite(value)) scaled = scaledRounded(std::fabs(value), places);
  if (!scaled) return writeStr(Round(value, places), out);
  if (*scaled == 0) return writeStr(0.0, out);
  char digits[24];
  int exponent = 0;
  int count = 0;
  if (decimalLength(*scaled) <= 15) {
    count = digitsOf(*scaled, -places, digits, exponent);
  } else {
    // Dropped digits that are all zeros leave N's own digits, exactly.
    count = fifteenDigitsOf(*scaled, places, digits, exponent);
    if (count == 0) return writeStr(Round(value, places), out);
  }
  return writeDecimal(out, value < 0, digits, count, exponent);
}

std::string RoundStr(double value, int places) {
  char out[kStrRoom];
  return std::string(out, writeRoundStr(value, places, out));
}

}  // namespace anglewise
