#include "life/knowledge_gain.h"

#include <algorithm>

#include "state/game_state.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kRowsFilled = 10;
constexpr int kSizeRange = 10;

bool Listed(const KnowledgeGainRule& rule, const Value& id) {
  if (rule.everyItem) return true;
  return std::any_of(rule.items.begin(), rule.items.end(), [&id](int listed) { return id == listed; });
}

void ClearResultLines() {
  GameState& g = State();
  g.SpareTiCount = 0;
  for (rec::ResultLine& row : g.ResultLine) {
    row.Field = "";
    row.Gain = 0;
  }
  g.ResultLine[0].Field = "ﾎﾟｲﾝﾄは上昇しませんでした";
}

void KnowledgePass(const KnowledgeGainRule& rule) {
  GameState& g = State();
  const long long items = g.TiItemCount.Index();
  for (long long k = 0; k < items; ++k) {
    const rec::KnowledgeItem& item = g.KnowledgeItem[k];
    if (item.Point >= g.TiPointMax) continue;
    const long chance = RndInt(rule.chanceRange);
    const bool passed = rule.chanceOnZero ? chance == 0 : chance != 0;
    if (!passed || g.ResultLineCount >= kRowsFilled || !Listed(rule, item.Id)) continue;

    Value gain;
    if (RndInt(kSizeRange) != 0) {
      gain = RndInt(rule.gainRange) + rule.gainBase;
    } else {
      ui::SetControlText(form::kBigGain, "Label1(1)", item.Name.Str() + "のﾎﾟｲﾝﾄが大幅上昇");
      ui::Show(form::kBigGain, ui::Modal);
      gain = kBigKnowledgeGain;
    }
    if (rec::ResultLine* row = Append(g.ResultLine, g.ResultLineCount)) {
      row->Field = k;
      row->Gain = gain;
    }
  }
}

}  // namespace

void KnowledgeGains(const std::optional<KnowledgeGainRule>& rule) {
  ClearResultLines();
  if (rule) KnowledgePass(*rule);
}

}  // namespace koratsu
