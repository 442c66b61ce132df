#include "production/work_card.h"

#include "production/ratings.h"
#include "state/game_state.h"

namespace koratsu {

std::string CardRatingMark(const Value& rating) {
  if (rating >= 9) return RatingMark(rating);
  for (int whole = 0; whole <= 8; ++whole)
    if (rating == whole) return RatingMark(rating);
  return {};
}

WorkCard DescribeWorkCard(const Value& work) {
  const GameState& g = State();
  const rec::MangaWork& m = g.MangaWork[work];
  WorkCard card;
  static_cast<WorkMakeup&>(card) = RecordMakeup(work);
  card.header = Join("== 「", m.Title, "」の情報です  ==");
  for (int r = 0; r < kCardRatings; ++r) card.marks[r] = CardRatingMark(m.Rating[r]);
  return card;
}

}  // namespace koratsu
