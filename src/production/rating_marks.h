#pragma once
// The mark that stands for a rating wherever a work's six ratings are shown.

#include <string>

#include "state/value.h"

namespace koratsu {

// 9 and above "◎", 6 to 8 "○", 4 and 5 "△", 0 to 3 two blanks; a rating
// below 0 has no mark.
inline std::string RatingMark(const Value& rating) {
  const double r = rating.Num();
  if (r >= 9) return "◎";
  if (r >= 6) return "○";
  if (r >= 4) return "△";
  if (r >= 0) return "  ";
  return "";
}

}  // namespace koratsu
