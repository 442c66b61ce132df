#include "production/ratings.h"

#include "state/game_state.h"
#include "state/random.h"

namespace koratsu {

Value SettingValue(const Value& item, const Value& points) {
  if (item < 0) return 0;
  return State().KnowledgeItem[item].Value * points;
}

Value RateManga(const Value& slot, const Value& value1, const Value& value2, const Value& value3) {
  GameState& g = State();
  Rnd();  // discarded
  const double bonus = RndInt(3) == 1 ? 1 : 0;

  const double drawing = g.Garyoku.Num();
  const double culture = g.Kyouyou.Num();
  const double ideas = g.Hassouryoku.Num();
  const double creativity = g.Souzouryoku.Num();
  const double intelligence = g.Tinou.Num();
  const double values = value1.Num() + value2.Num() + value3.Num();
  const double raw[6] = {
      bonus + drawing / 4,
      bonus + values / 16 + ((culture + ideas + intelligence + creativity) / 4) / 32,
      bonus + creativity / 4,
      bonus + ideas / 4,
      bonus + ((creativity + drawing + culture) / 3) / 4,
      bonus + ((drawing + ideas) / 2) / 4,
  };
  double sum = 0;
  rec::ProductionSlot& p = g.ProductionSlot[slot];
  for (int i = 0; i < 6; ++i) {
    double rating = Int(raw[i]);
    if (rating >= 9) rating = 9;
    p.Rating[i] = rating;
    sum += rating;
  }

  double luck = static_cast<double>(RndInt(12));
  if (luck == 0) luck = 50;
  // The sum of the six ratings is divided by five, not six.
  return values / 6 * (sum / 5) + g.PlayerPopularity.Num() + luck;
}

std::string RatingMark(const Value& rating) {
  if (rating >= 9) return "◎";
  if (rating >= 6) return "○";
  if (rating >= 4) return "△";
  return "  ";
}

}  // namespace koratsu
