#include "save/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "state/log.h"

namespace koratsu::save {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void AppendNumber(std::string& out, double x) {
  if (std::isnan(x)) {
    // No calculation of the game gives one; there is no text for it.
    LogLine("save file: a value that is not a number was written as 0");
    out.push_back('0');
    return;
  }
  if (std::isinf(x)) {
    out.append(x > 0 ? "1E+999" : "-1E+999");  // reads back as infinity
    return;
  }
  char buffer[64];
  char* end;
  double magnitude = std::fabs(x);
  if (magnitude < 1e15 && x == std::trunc(x)) {
    end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(x)).ptr;
  } else if (magnitude >= 1e-4 && magnitude < 1e15) {
    end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed).ptr;
  } else {
    end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific).ptr;
    std::replace(buffer, end, 'e', 'E');
  }
  out.append(buffer, end);
}

void AppendMoney(std::string& out, Money money) {
  std::int64_t scaled = money.Scaled();
  std::uint64_t magnitude = scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  if (scaled < 0) out.push_back('-');
  char buffer[32];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, magnitude / 10000).ptr);
  unsigned fraction = static_cast<unsigned>(magnitude % 10000);
  if (fraction == 0) return;
  char digits[4];
  for (int k = 3; k >= 0; --k, fraction /= 10) digits[k] = static_cast<char>('0' + fraction % 10);
  int length = 4;
  while (digits[length - 1] == '0') --length;
  out.push_back('.');
  out.append(digits, static_cast<std::size_t>(length));
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool ReadNumber(std::string_view text, double& out) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  bool negative = begin < end && *begin == '-';
  const char* digits = negative ? begin + 1 : begin;
  bool plain = digits < end && (IsDigit(*digits) || (*digits == '.' && digits + 1 < end && IsDigit(digits[1])));
  if (plain) {
    double value = 0;
    auto [ptr, ec] = std::from_chars(digits, end, value, std::chars_format::general);
    if (ptr == end && ec == std::errc()) {
      out = negative ? -value : value;
      return true;
    }
    if (ptr == end && ec == std::errc::result_out_of_range) {
      // Past the range of a double: infinity, or zero for a tiny value.
      std::string copy(text);
      out = std::strtod(copy.c_str(), nullptr);
      return true;
    }
  }
  return ParseNumber(text, out);  // blanks, a "+" sign
}

bool ReadMoney(std::string_view text, Money& out) {
  text = TrimBlanks(text);
  if (text.empty()) {
    out = Money();
    return true;
  }
  std::string_view body = text;
  bool negative = body.front() == '-';
  if (negative) body.remove_prefix(1);
  std::size_t point = body.find('.');
  std::string_view whole = body.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
  bool exact = (!whole.empty() || !fraction.empty()) && whole.size() <= 14 &&
               std::all_of(whole.begin(), whole.end(), IsDigit) &&
               std::all_of(fraction.begin(), fraction.end(), IsDigit);
  if (exact) {
    std::int64_t scaled = 0;
    for (char c : whole) scaled = scaled * 10 + (c - '0');
    for (std::size_t k = 0; k < 4; ++k) scaled = scaled * 10 + (k < fraction.size() ? fraction[k] - '0' : 0);
    if (fraction.size() > 4 && fraction[4] >= '5') ++scaled;
    out = Money::FromScaled(negative ? -scaled : scaled);
    return true;
  }
  double yen = 0;
  if (!ReadNumber(text, yen) || !(std::fabs(yen) < 9e14)) return false;
  out = Money::FromNumber(yen);
  return true;
}

}  // namespace koratsu::save
