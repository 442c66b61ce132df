#include "life/knowledge_list.h"

#include <algorithm>

#include "state/game_state.h"

namespace koratsu {

namespace {

constexpr double kLowestHeight = 1300;

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

double KnowledgeListWindowHeight(double twips) { return SnapListHeight(twips, kLowestHeight, kLowestHeight + 1); }

}  // namespace koratsu
