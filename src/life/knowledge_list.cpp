#include "life/knowledge_list.h"

#include <algorithm>

#include "state/game_state.h"

namespace koratsu {

namespace {

constexpr double kLowestHeight = 1300;

// A whole number as a scroll bar takes it: halves go to the even neighbour.
int Whole(double x) { return static_cast<int>(Value(x).Index()); }

}  // namespace

void RebuildKnowledgeList() {
  GameState& g = State();
  g.TiListCount = 0;
  const long long items = g.TiItemCount.Index();
  for (long long i = 0; i < items; ++i) {
    if (!(g.KnowledgeItem[i].Point > 0)) continue;
    Value* row = Append(g.TiList, g.TiListCount);
    if (!row) return;
    *row = i;
  }
}

int KnowledgeListCount() {
  const long long rows = static_cast<long long>(decltype(GameState::TiList)::Capacity());
  return static_cast<int>(std::clamp(State().TiListCount.Index(), 0LL, rows));
}

KnowledgeListRow DescribeKnowledgeListRow(int row) {
  const GameState& g = State();
  const rec::KnowledgeItem& item = g.KnowledgeItem[g.TiList[row]];
  return {item.Name.Str(), Join(item.Point, "/", g.TiPointMax, "ﾎﾟｲﾝﾄ"), item.Point.Num(), g.TiPointMax.Num()};
}

int KnowledgeListHeight() { return KnowledgeListCount() * kKnowledgeRowPitch + kKnowledgeRowTop; }

std::optional<ScrollRange> ListScrollRange(int listHeight, int viewportHeight) {
  if (listHeight <= viewportHeight) return std::nullopt;
  const int large = Whole(listHeight / 2.0);
  return ScrollRange{listHeight - viewportHeight + 4, large, Whole(large / 2.0)};
}

double KnowledgeListWindowHeight(double twips) { return twips <= kLowestHeight ? kLowestHeight + 1 : twips; }

}  // namespace koratsu
