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
  card.header = Join("== 「", m.Title, "」の情報です  ==");
  card.audience = g.ClassList[1].Text[g.MangaClass[0][work]].Str();
  card.genre = g.ClassList[2].Text[g.MangaClass[1][work]].Str();
  for (int k = 0; k < kCardSettings; ++k) {
    const Value& item = m.SettingItem[k];
    card.settingNames[k] = item >= 0 ? g.KnowledgeItem[item].Name.Str() : std::string("なし");
    card.settingPoints[k] = m.SettingPoints[k];
  }
  for (int r = 0; r < kCardRatings; ++r) card.marks[r] = CardRatingMark(m.Rating[r]);
  return card;
}

}  // namespace koratsu
