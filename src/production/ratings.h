#pragma once
// Judging a work when it is placed: six ratings from 0 to 9 (drawing, story,
// composition, direction, characters, originality) and one quality score.

#include <string>

#include "state/value.h"

namespace koratsu {

// The value of a setting: its knowledge item's value factor times the
// points put into it; 0 for a setting without item (a negative item).
Value SettingValue(const Value& item, const Value& points);

// Writes the six ratings of `slot` (SlotRating 0 to 5) from the player's
// abilities and the three setting values, and returns the work's quality
// score (with fractions). Draws three numbers: one discarded, the bonus and
// the luck.
Value RateManga(const Value& slot, const Value& value1, const Value& value2, const Value& value3);

// The mark shown for a rating: two blanks up to 3, "△" for 4 and 5, "○"
// for 6 to 8, "◎" from 9.
std::string RatingMark(const Value& rating);

}  // namespace koratsu
