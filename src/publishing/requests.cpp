#include "publishing/requests.h"

#include "production/slots.h"
#include "production/work_record.h"
#include "state/game_state.h"
#include "state/yes_no.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr const char* kEditorReport = "担当 報告";
constexpr const char* kSerialRequestCaption = "連載の依頼";

constexpr int kSerialTalkIdle = 0;
constexpr int kSerialTalkPlanning = 3;
constexpr int kSerialTalkPlaced = 5;
constexpr int kSerialTalkTitled = 6;

const Value& ReplyMode() { return State().FormSlot[form::kRequestReply].Mode; }

void AnswerEndSerial(int answer) {
  State().EndSerialAnswer = answer;
  ui::Unload(form::kRequestReply);
}

// Why a request cannot be taken now; empty when it can.
std::string Refusal() {
  GameState& g = State();
  g.BusySlotCount = BusySlots();
  if (g.BusySlotCount == kSlotCount) return kSixWorksMessage;
  if (WorksTableFull()) return kWorksTableFullMessage;
  return {};
}

}  // namespace

void AcceptRequest() {
  GameState& g = State();
  if (ReplyMode() == request_mode::kEndSerial) {
    AnswerEndSerial(1);
    return;
  }
  if (const std::string refusal = Refusal(); !refusal.empty()) {
    ui::ShowMessage(refusal);
    return;
  }
  AddTalkLine("  受けてくれますか。では、さっそく何を描くか決めてください。");
  ui::ShowTalk(kEditorReport);
  if (ReplyMode() == request_mode::kSerial) {
    rec::Magazine& magazine = g.Magazine[g.RequestMagazine];
    magazine.RequestState = 3;
    magazine.SerialRunning = 1;
    g.SerialAccepted = 1;
    ui::Unload(form::kRequestReply);
    g.SerialTalkState = kSerialTalkIdle;
    SerialStartTalk();
  } else {
    g.FormSlot[form::kSettingsEditor].Mode = 1;
    ui::Unload(form::kRequestReply);
    ui::Show(form::kNewMangaChoice, ui::Modal);
  }
  if (!GameEnded()) g.ResumeRequest = 1;
}

void DeclineRequest() {
  if (ReplyMode() == request_mode::kEndSerial) {
    AnswerEndSerial(0);
    return;
  }
  AddTalkLine("  そうですか・・・残念です。またの機会があったらよろしくお願いします。");
  ui::ShowTalk(kEditorReport);
  ui::Unload(form::kRequestReply);
}

void SerialStartTalk() {
  GameState& g = State();
  // Each stage hands on to the next one within the same call.
  if (g.SerialTalkState == kSerialTalkIdle) g.SerialTalkState = kSerialTalkPlanning;
  if (g.SerialTalkState == kSerialTalkPlanning) {
    g.FormSlot[form::kSettingsEditor].Mode = 2;
    ui::Show(form::kNewMangaChoice, ui::Modal);
  }
  if (g.SerialTalkState == kSerialTalkPlaced) {
    AddTalkLine("なるほど、いいですね。では題名を考えましょう");
    ui::ShowTalk(kSerialRequestCaption);
    ui::Show(form::kSerialTitle, ui::Modal);
  }
  if (g.SerialTalkState == kSerialTalkTitled) {
    AddTalkLine(Join(g.SlotLabel[g.SerialSlot], "ですね。わかりました。"));
    AddTalkLine("最初の〆切は、ちょっと長いので");
    AddTalkLine("その間に知識を深めたりペースをつかんでください。");
    AddTalkLine("また、原稿料は漫画が完成した度にさし上げます。");
    ui::ShowTalk(kSerialRequestCaption);
    g.SerialAccepted = 0;
    g.ResumeRequest = 1;
    g.SerialTalkState = kSerialTalkIdle;
    ui::Show(form::kSchedule, ui::Modal);
  }
}

bool ConfirmSerialTitle(const std::string& title) {
  GameState& g = State();
  if (title.empty()) {
    ui::ShowMessage("漫画の題名を決めてください。");
    return false;
  }
  // Only finished works count: another serial still being set up may share it.
  if (TitleTaken(title)) {
    ui::ShowMessage("すでにその名前の漫画を描いていますので他の名前にしてください");
    return false;
  }
  if (ui::AskYesNo(title + "でいいですか。") != yes_no::kYes) return false;
  g.SlotLabel[g.SerialSlot] = title;
  g.ProductionSlot[g.SerialSlot].Fee = g.RequestFee;
  g.SerialTalkState = kSerialTalkTitled;
  ui::Unload(form::kSerialTitle);
  return true;
}

}  // namespace koratsu
