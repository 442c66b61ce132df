#pragma once
// What a work's card shows: how the work was made, read from its record.

#include <array>
#include <string>

#include "production/work_makeup.h"
#include "state/value.h"

namespace koratsu {

constexpr int kCardRatings = 6;

// The work's make-up (work_makeup.h), with its header and its ratings.
struct WorkCard : WorkMakeup {
  std::string header;  // == 「title」の情報です  ==
  // The six ratings' marks in rating order: drawing, story, composition,
  // direction, characters, originality.
  std::array<std::string, kCardRatings> marks;
};

WorkCard DescribeWorkCard(const Value& work);

// A rating's mark on the card: two blanks for 0 to 3, "△" for 4 and 5,
// "○" for 6 to 8, "◎" from 9; empty for anything else (below 0, a fraction
// under 9).
std::string CardRatingMark(const Value& rating);

}  // namespace koratsu
