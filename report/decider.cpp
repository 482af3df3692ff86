#include "report/decider.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

#include "exact/decide.h"

namespace anglewise {
namespace {

using exact::Ball;
using exact::Decimal;

constexpr int kDigits = 15;

// A decimal of exactly kDigits digits (or zero) as %g writes it: fixed from
// 1e-4 up to below 1e15, otherwise with an exponent; trailing zeros dropped.
std::string gText(const Decimal& d) {
  if (d.digits == "0") return "0";
  std::string digits = d.digits;
  long decade = d.exponent + static_cast<long>(digits.size()) - 1;
  std::string sign = d.negative ? "-" : "";
  auto trimmed = [](std::string s) {
    if (s.find('.') == std::string::npos) return s;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
  };
  if (decade >= -4 && decade < kDigits) {
    std::string text;
    if (decade < 0) {
      text = "0." + std::string(static_cast<size_t>(-decade - 1), '0') + digits;
    } else {
      text = digits.substr(0, static_cast<size_t>(decade + 1)) + "." +
             digits.substr(static_cast<size_t>(decade + 1));
    }
    return sign + trimmed(text);
  }
  char exponent[32];
  std::snprintf(exponent, sizeof exponent, "e%c%02ld", decade < 0 ? '-' : '+',
                decade < 0 ? -decade : decade);
  return sign + trimmed(digits.substr(0, 1) + "." + digits.substr(1)) + exponent;
}

// A decimal rounded to `places` decimals, trailing zeros dropped.
std::string fixedText(const Decimal& d, int places) {
  const std::string& digits = d.digits;
  size_t count = digits.size(), fraction = static_cast<size_t>(places);
  std::string text;
  text.reserve(count + fraction + 3);
  if (count > fraction) {
    text.append(digits, 0, count - fraction);
  } else {
    text += '0';
  }
  size_t wholeEnd = text.size();
  text += '.';
  if (fraction > count) text.append(fraction - count, '0');
  text.append(digits, count > fraction ? count - fraction : 0, std::string::npos);
  size_t last = text.find_last_not_of('0');
  text.resize(last == wholeEnd ? wholeEnd : last + 1);
  bool zero = text.find_first_not_of("0.") == std::string::npos;
  if (d.negative && !zero) text.insert(text.begin(), '-');
  return text;
}

}  // namespace

double Decider::nearest(const Ball& value) {
  if (std::optional<double> d = exact::nearestDouble(value)) return *d;
  settled_ = false;
  return std::numeric_limits<double>::quiet_NaN();
}

std::string Decider::significant(const Ball& value) {
  return text(value, value, Ball(1L), 14);
}

std::string Decider::text(const Ball& value, int places) {
  return text(value, value, Ball(1L), places);
}

namespace {

// The text from the ball's double bounds alone, where they decide it.
std::optional<std::string> quickText(const Ball& value, int places) {
  double low, high;
  if (!value.doubleBounds(low, high) || !(low > 0 || high < 0)) return std::nullopt;
  double least = low > 0 ? low : -high, most = low > 0 ? high : -low;
  auto full = [&]() -> std::optional<std::string> {
    if (std::optional<Decimal> d = exact::quickToDigits(low, high, kDigits)) return gText(*d);
    return std::nullopt;
  };
  // 10^-places, to the double: the margins cover its rounding.
  static constexpr double kUnits[] = {1,    1e-1, 1e-2,  1e-3,  1e-4,  1e-5,  1e-6, 1e-7,
                                      1e-8, 1e-9, 1e-10, 1e-11, 1e-12, 1e-13, 1e-14};
  if (places >= 14 || places < 0) return full();
  double unit = kUnits[places];
  if (most < unit * (1 - 1e-12) || least >= 1e15) return full();
  if (!(least > unit * (1 + 1e-12) && most < 1e15)) return std::nullopt;
  std::optional<Decimal> d = exact::quickToScale(low, high, places);
  if (!d) return std::nullopt;
  std::string fixed = fixedText(*d, places);
  if (std::count_if(fixed.begin(), fixed.end(), [](char c) { return c >= '0' && c <= '9'; }) <=
      kDigits) {
    return fixed;
  }
  return full();
}

}  // namespace

std::string Decider::text(const Ball& value, const Ball& num, const Ball& den, int places) {
  if (std::optional<std::string> quick = quickText(value, places)) return *quick;
  auto unsettled = [this] {
    settled_ = false;
    return std::string("?");
  };
  auto full = [&]() -> std::string {
    if (std::optional<Decimal> d = exact::roundedToDigits(value, num, den, kDigits)) {
      return gText(*d);
    }
    return unsettled();
  };
  if (places >= 14) return full();
  // Below one unit of the last place the places would show nothing, and
  // from 10^15 on they would show more than 15 digits.
  std::optional<bool> tiny = exact::belowPowerOfTen(value, num, den, -places);
  std::optional<bool> small = exact::belowPowerOfTen(value, num, den, kDigits);
  if (!tiny || !small) return unsettled();
  if ((*tiny && !value.zero()) || !*small) return full();
  auto shownDigits = [](const std::string& text) {
    return std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  auto fits = [&](const Decimal& d) { return shownDigits(fixedText(d, places)) <= kDigits; };
  std::optional<Decimal> d = exact::roundedToScale(value, num, den, places);
  if (!d) {
    // Undecided between two roundings (a tie not known exactly) neither of
    // which the places can show: the significant digits are shown instead.
    Ball low, high;
    exact::endsOf(value, low, high);
    std::optional<Decimal> a = exact::roundedToScale(low, low, Ball(1L), places);
    std::optional<Decimal> b = exact::roundedToScale(high, high, Ball(1L), places);
    if (a && b && !fits(*a) && !fits(*b)) return full();
    return unsettled();
  }
  std::string fixed = fixedText(*d, places);
  return shownDigits(fixed) <= kDigits ? fixed : full();
}

std::string Decider::dms(const Ball& degrees) {
  Ball seconds = degrees * 3600;
  std::optional<Decimal> d = exact::roundedToScale(seconds, seconds, Ball(1L), 3);
  if (!d || d->digits.size() > 15) {
    settled_ = false;
    return "?";
  }
  long total = 0;
  std::from_chars(d->digits.data(), d->digits.data() + d->digits.size(), total);
  if (d->negative) total = -total;
  char text[64];
  if (total < 0) {
    std::snprintf(text, sizeof text, "%ldd %ldm %lds .%03ld", total / 3600000, total / 60000 % 60,
                  total / 1000 % 60, total % 1000);
    return text;
  }
  // Written by hand: this runs three times a triangle in a batch.
  char* end = std::to_chars(text, text + 24, total / 3600000).ptr;
  *end++ = 'd', *end++ = ' ';
  end = std::to_chars(end, end + 4, total / 60000 % 60).ptr;
  *end++ = 'm', *end++ = ' ';
  end = std::to_chars(end, end + 4, total / 1000 % 60).ptr;
  long thousandths = total % 1000;
  *end++ = 's', *end++ = ' ', *end++ = '.';
  *end++ = static_cast<char>('0' + thousandths / 100);
  *end++ = static_cast<char>('0' + thousandths / 10 % 10);
  *end++ = static_cast<char>('0' + thousandths % 10);
  return std::string(text, end);
}

bool Decider::below(const Ball& a, const Ball& b) {
  int order = exact::compareOr(a, b, exact::kUndecided);
  if (order == exact::kUndecided) unsettle();
  return order < 0;
}

bool Decider::equal(const Ball& a, const Ball& b) {
  int order = exact::compareOr(a, b, exact::kUndecided);
  if (order == exact::kUndecided) unsettle();
  return order == 0;
}

}  // namespace anglewise
