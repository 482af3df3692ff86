#pragma once
// The number and text conversions every caption goes through. They follow
// the classic BASIC rules users of this calculator know: Val reads the number
// at the start of a text, Str writes at most 15 significant digits with a
// leading blank for non-negative values, Round goes half to even.
#include <cmath>
#include <string>
#include <string_view>

namespace anglewise {

/// The number at the start of `text`; blanks, tabs and line feeds anywhere are
/// ignored, the exponent letter may be E or D. No number gives 0. A number
/// beyond the double range saturates at the largest finite double.
double Val(std::string_view text);

/// `value` with at most 15 significant digits: " 12", "-13", " .4", " 1E+15".
std::string Str(double value);

/// Room enough for any text of Str.
inline constexpr int kStrRoom = 32;

/// Str's text written at `out`, which has kStrRoom characters; returns the
/// end of the text.
char* writeStr(double value, char* out);

/// `value` rounded to `places` decimal places, exactly halfway going to the
/// even digit (decided on the exact binary value of the double).
double Round(double value, int places);

/// Str(Round(value, places)), the text of every caption, made straight from
/// the rounded decimal's digits; only a rounding beyond 63 bits, or one
/// that ends in an exact tie at the fifteenth digit, goes through Round.
std::string RoundStr(double value, int places);

/// RoundStr's text written at `out`, which has kStrRoom characters;
/// returns the end of the text.
char* writeRoundStr(double value, int places, char* out);

/// RoundStr's text without a string of its own, for a caption that copies
/// it at once: `label.setCaption(RoundedText(value, places))`.
class RoundedText {
 public:
  RoundedText(double value, int places)
      : size_(static_cast<size_t>(writeRoundStr(value, places, text_) - text_)) {}
  operator std::string_view() const { return {text_, size_}; }

 private:
  char text_[kStrRoom];
  size_t size_;
};

/// The largest whole number not above `value`.
inline double Int(double value) {
  return std::floor(value);
}

/// The nearest whole number, a half going to the even one.
inline double roundToWhole(double value) {
  return std::nearbyint(value);
}

}  // namespace anglewise
