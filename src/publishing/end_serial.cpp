#include "publishing/end_serial.h"

#include "state/game_state.h"
#include "state/log.h"
#include "state/production_slots.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kSerialKind = 6;
constexpr int kEndMark = 4;
constexpr int kConfirmEndMode = 2;
const char* const kCaption = "会話 担当";

bool Endable(int slot) {
  const GameState& g = State();
  return g.ProductionSlot[slot].Kind == kSerialKind && SlotBusy(slot) && g.ProductionSlot[slot].Episode > 0;
}

}  // namespace

std::vector<std::string> ListEndableSerials() {
  GameState& g = State();
  std::vector<std::string> titles;
  g.SerialListCount = 0;
  for (int slot = 0; slot <= kLastSlot; ++slot) {
    if (!Endable(slot)) continue;
    titles.push_back(g.SlotLabel[slot].Str());
    g.SerialListSlot[g.SerialListCount] = slot;
    g.SerialListCount += 1;
  }
  return titles;
}

void EndListedSerial(int row) {
  const GameState& g = State();
  if (row < 0 || row >= g.SerialListCount.Index()) return;
  EndSerialTalk(g.SerialListSlot[row]);
}

void EndSerialTalk(const Value& slot) {
  GameState& g = State();
  const long long s = slot.Index();
  if (s < 0 || s > kLastSlot || !Endable(static_cast<int>(s))) {
    LogLine("EndSerialTalk: slot " + slot.Str() + " holds no serial with a record; nothing asked");
    return;
  }
  AddTalkLine(Join("  え、「", g.SlotLabel[s], "」の連載を終了させるんですか？"));
  AddTalkLine("  人気もまだありますし続けられると思うのですが、本当に終了させますか？");
  ui::ShowTalk(kCaption);

  g.FormSlot[form::kRequestReply].Mode = kConfirmEndMode;
  // A reply window closed without an answer lets the serial run on.
  g.EndSerialAnswer = 0;
  ui::Show(form::kRequestReply, ui::Modal);
  if (g.EndSerialAnswer == 1) {
    g.MangaWork[g.ProductionSlot[s].MangaIndex].SerialLowCount = kEndMark;
    AddTalkLine("  本当に終わらせてしまうんですか・・・残念です。");
    AddTalkLine("  では、次回で最終回となりますのでがんばってください。");
  } else {
    AddTalkLine("  おぉ、終わらせませんか。よかったです。");
    AddTalkLine("  今後もがんばってきましょう。");
  }
  ui::ShowTalk(kCaption);
}

}  // namespace koratsu
