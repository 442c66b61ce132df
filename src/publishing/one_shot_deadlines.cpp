#include "publishing/one_shot_deadlines.h"

#include "life/activity.h"
#include "production/slots.h"
#include "state/game_state.h"
#include "state/shared_ops.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kRequestedOneShot = 3;  // SlotKind

void GrantOneMoreDay(int s) {
  GameState& g = State();
  rec::ProductionSlot& slot = g.ProductionSlot[s];
  slot.Extension += 1;
  slot.DaysLeft = 1;
  StopKoudou();
  AddTalkLine(Join("  今日が〆切の", g.Magazine[slot.Magazine].PublisherName, "の読切原稿ですが、まだ完成していませんね。"));
  AddTalkLine("なんとか明日まで〆切を延ばせますので、明日までには完成させてください。");
  AddTalkLine("明日がギリギリなのでくれぐれも気をつけてください。");
  ui::ShowTalk("担当 報告");
}

void TakeRequestBack(int s) {
  GameState& g = State();
  g.ProductionSlot[s].Extension += 1;
  AddTalkLine("  せっかく〆切を伸ばしたのに、完成しませんでしたね・・・");
  AddTalkLine("もう、他の先生に頼んだので結構です、〆切を守らないと信用がなくなりますので");
  AddTalkLine("今後は気をつけてください。");
  ui::ShowTalk("担当 報告");
  ClearWorkSlot(s);
  g.FormSlot[form::kCompletion].Rebuild = 1;
  g.FormSlot[form::kArchive].Rebuild = 1;
  g.ProductionSlot[s].SigotoPoint = 0;
  RecountSigotoPointLeft();
}

}  // namespace

void OneShotDeadlines() {
  GameState& g = State();
  for (int s = 0; s <= kLastSlot; ++s) {
    const rec::ProductionSlot& slot = g.ProductionSlot[s];
    if (!(SlotBusy(s) && slot.Kind == kRequestedOneShot && slot.DaysLeft == 0)) continue;
    if (slot.Extension == 0) {
      GrantOneMoreDay(s);
    } else {
      TakeRequestBack(s);
    }
  }
}

}  // namespace koratsu
