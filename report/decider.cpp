#include "report/decider.h"

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
  std::string digits = d.digits;
  if (digits.size() <= static_cast<size_t>(places)) {
    digits.insert(0, static_cast<size_t>(places) + 1 - digits.size(), '0');
  }
  std::string text = digits.substr(0, digits.size() - static_cast<size_t>(places));
  if (places > 0) text += "." + digits.substr(digits.size() - static_cast<size_t>(places));
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  bool zero = text.find_first_not_of("0.") == std::string::npos;
  return (d.negative && !zero ? "-" : "") + text;
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

std::string Decider::text(const Ball& value, const Ball& num, const Ball& den, int places) {
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
  auto fits = [places](const Decimal& d) {
    size_t count = 0;
    for (char c : fixedText(d, places)) count += (c >= '0' && c <= '9') ? 1 : 0;
    return count <= kDigits;
  };
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
  return fits(*d) ? fixedText(*d, places) : full();
}

std::string Decider::dms(const Ball& degrees) {
  Ball seconds = degrees * 3600;
  std::optional<Decimal> d = exact::roundedToScale(seconds, seconds, Ball(1L), 3);
  if (!d || d->digits.size() > 15) {
    settled_ = false;
    return "?";
  }
  long total = std::stol(d->digits);
  if (d->negative) total = -total;
  char text[64];
  std::snprintf(text, sizeof text, "%ldd %ldm %lds .%03ld", total / 3600000, total / 60000 % 60,
                total / 1000 % 60, total % 1000);
  return text;
}

bool Decider::below(const Ball& a, const Ball& b) {
  int order = exact::compareOr(a, b, exact::kUndecided);
  if (order == exact::kUndecided) settled_ = false;
  return order < 0;
}

bool Decider::equal(const Ball& a, const Ball& b) {
  int order = exact::compareOr(a, b, exact::kUndecided);
  if (order == exact::kUndecided) settled_ = false;
  return order == 0;
}

}  // namespace anglewise
