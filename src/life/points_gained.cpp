#include "life/points_gained.h"

#include <algorithm>

#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/game_ops.h"

namespace koratsu {

namespace {

constexpr Ability kAbilities[] = {
    {"画力", &GameState::Garyoku, &GameState::GaryokuMax},
    {"教養", &GameState::Kyouyou, &GameState::KyouyouMax},
    {"発想力", &GameState::Hassouryoku, &GameState::HassouryokuMax},
    {"知能", &GameState::Tinou, &GameState::TinouMax},
    {"創造力", &GameState::Souzouryoku, &GameState::SouzouryokuMax},
};

void CapAbilities() {
  GameState& g = State();
  for (const Ability& a : kAbilities)
    if (g.*a.value > g.*a.cap) g.*a.value = g.*a.cap;
}

void CapKnowledge(const Value& item) {
  GameState& g = State();
  Value& work = g.KnowledgeItem[item].PointWork;
  if (work > g.TiPointMax) work = g.TiPointMax;
}

rec::ResultLine& Line(int row) { return State().ResultLine[row]; }

}  // namespace

const Ability* AbilityOf(const Value& field) {
  for (int a = 0; a < static_cast<int>(std::size(kAbilities)); ++a)
    if (field == a) return &kAbilities[a];
  return nullptr;
}

bool PointsGainedKnowledgeMode() { return State().FormSlot[form::kPointsGained].Param == 0; }

std::string PointsGainedCaption() { return PointsGainedKnowledgeMode() ? "知識ﾎﾟｲﾝﾄ上昇" : "ﾎﾟｲﾝﾄ上昇"; }

std::string PointsGainedHeadline() {
  if (PointsGainedRowCount() == 0) return "ﾎﾟｲﾝﾄは上昇しませんでした。";
  return PointsGainedKnowledgeMode() ? "== 知識ﾎﾟｲﾝﾄが上昇しました  ==" : "== ﾎﾟｲﾝﾄが上昇しました  ==";
}

int PointsGainedRowCount() {
  const long long rows = static_cast<long long>(decltype(GameState::ResultLine)::Capacity());
  return static_cast<int>(std::clamp(State().ResultLineCount.Index(), 0LL, rows));
}

PointsGainedRow DescribePointsGainedRow(int row) {
  const GameState& g = State();
  const rec::ResultLine& line = g.ResultLine[row];
  PointsGainedRow shown{{}, Join("+", line.Gain), {}, {}};
  if (PointsGainedKnowledgeMode()) {
    const rec::KnowledgeItem& item = g.KnowledgeItem[line.Field];
    shown.name = item.Name.Str();
    shown.value = item.PointWork;
    shown.cap = g.TiPointMax;
  } else if (const Ability* a = AbilityOf(line.Field)) {
    shown.name = a->name;
    shown.value = g.*a->value;
    shown.cap = g.*a->cap;
  }
  return shown;
}

void LoadPointsGained() {
  GameState& g = State();
  g.FormSlot[form::kInfoPanel].Redraw = 1;
  g.FormSlot[form::kKnowledgeList].Redraw = 1;
  if (PointsGainedKnowledgeMode()) {
    const long long items = g.TiItemCount.Index();
    for (long long i = 0; i < items; ++i) g.KnowledgeItem[i].PointWork = g.KnowledgeItem[i].Point;
  }
  g.ResultAnimTick = 0;
}

void PointsGainedStep() {
  GameState& g = State();
  g.ResultAnimTick += 1;
  if (g.ResultAnimTick <= kPointsGainedWait) return;
  const bool knowledge = PointsGainedKnowledgeMode();
  const int rows = PointsGainedRowCount();
  for (int r = 0; r < rows; ++r) {
    rec::ResultLine& line = Line(r);
    if (line.Gain < 1) continue;
    line.Gain -= 1;
    PlayKoukaon(1);
    if (knowledge) {
      g.KnowledgeItem[line.Field].PointWork += 1;
      CapKnowledge(line.Field);
    } else {
      if (const Ability* a = AbilityOf(line.Field)) g.*a->value += 1;
      CapAbilities();
      g.FormSlot[form::kInfoPanel].Redraw = 1;
    }
  }
}

void ClosePointsGained() {
  GameState& g = State();
  const int rows = PointsGainedRowCount();
  if (PointsGainedKnowledgeMode()) {
    for (int r = 0; r < rows; ++r)
      if (Line(r).Gain >= 1) g.KnowledgeItem[Line(r).Field].PointWork += Line(r).Gain;
    for (int r = 0; r < rows; ++r) CapKnowledge(Line(r).Field);
    const long long items = g.TiItemCount.Index();
    for (long long i = 0; i < items; ++i) g.KnowledgeItem[i].Point = g.KnowledgeItem[i].PointWork;
    g.FormSlot[form::kKnowledgeList].Rebuild = 1;
  } else {
    for (int r = 0; r < rows; ++r) {
      if (Line(r).Gain < 1) continue;
      if (const Ability* a = AbilityOf(Line(r).Field)) g.*a->value += Line(r).Gain;
      CapAbilities();
    }
  }
  g.ResultLineCount = 0;
}

}  // namespace koratsu
