#include "state/money.h"

#include <cmath>
#include <cstdio>

#include "state/game_state.h"

namespace koratsu {

namespace {

// Groups of four from the right, with the unit of each group behind it. Digits
// above the trillions stay in the leading group.
std::string FourDigitStyle(const std::string& digits) {
  if (digits.size() <= 4) return digits;
  static const char* const kUnits[] = {"", "万", "億", "兆"};
  std::size_t groups = (digits.size() + 3) / 4;
  if (groups > 4) groups = 4;
  std::size_t leading = digits.size() - (groups - 1) * 4;
  std::string out = digits.substr(0, leading) + kUnits[groups - 1];
  for (std::size_t g = groups - 1; g-- > 0;) {
    out += digits.substr(digits.size() - (g + 1) * 4, 4);
    out += kUnits[g];
  }
  return out;
}

std::string ThreeDigitStyle(const std::string& digits) {
  std::string out;
  std::size_t leading = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
  out = digits.substr(0, leading);
  for (std::size_t at = leading; at < digits.size(); at += 3) {
    out += ',';
    out += digits.substr(at, 3);
  }
  return out;
}

}  // namespace

std::string FormatKingaku(const Value& number) {
  if (number.IsEmpty() || (number.IsText() && !number.IsNumeric())) return {};
  double x = number.Num();
  if (!std::isfinite(x)) return {};
  // Amounts are whole yen; a fraction that slips in is shown rounded.
  double magnitude = std::round(std::fabs(x));
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", magnitude);
  std::string digits(buffer);
  std::string text = State().KingakuComma == 0 ? FourDigitStyle(digits) : ThreeDigitStyle(digits);
  if (x < 0 && magnitude > 0) text = "-" + text;
  return text;
}

std::string FormatKingaku(const Money& amount) { return FormatKingaku(amount.AsValue()); }

}  // namespace koratsu
