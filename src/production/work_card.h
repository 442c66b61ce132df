#pragma once
// What a work's card shows: how the work was made, read from its record.

#include <array>
#include <string>

#include "state/value.h"

namespace koratsu {

constexpr int kCardSettings = 3;
constexpr int kCardRatings = 6;
// A setting's bar stands for its points against this value, which fills its
// frame exactly; more points run past the frame.
constexpr double kCardBarScale = 99;

struct WorkCard {
  std::string header;    // == 「title」の情報です  ==
  std::string audience;  // the target audience's text
  std::string genre;
  // The settings' knowledge items by name ("なし" without one), and their
  // points, shown whether or not there is an item.
  std::array<std::string, kCardSettings> settingNames;
  std::array<Value, kCardSettings> settingPoints;
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
