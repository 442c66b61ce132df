#include "publishing/noon_visits.h"

#include "state/game_state.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr const char* kEditorReport = "担当 報告";
constexpr const char* kWeekdays[] = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
constexpr int kOneShotRequest = 0;
constexpr int kSerialRequest = 1;

bool VisitAllowed() { return State().DaysSinceOffer >= kNoonsBetweenVisits; }

// The editor has said his request: the reply window takes it.
void ShowRequest(int mode) {
  GameState& g = State();
  ui::ShowTalk(kEditorReport);
  g.FormSlot[form::kRequestReply].Mode = mode;
  ui::Show(form::kRequestReply, ui::Modal);
}

// A one-shot request from a magazine whose editors know the player. Both
// chances are drawn whatever the rest of the test says.
void OneShotFromKnownMagazine(const Value& row) {
  GameState& g = State();
  const rec::Magazine& magazine = g.Magazine[row];
  if (!(magazine.Yukou >= 1)) return;
  const Value publisher = magazine.Publisher - 1;
  const long usual = RndInt(20);
  const long rare = RndInt(50);
  const Value& running = g.PublisherSerialRunning[publisher];
  const bool asks = (running == 0 && usual == 0) || (running == 1 && rare == 0);
  if (!VisitAllowed() || magazine.SerialRunning != 0 || !asks) return;
  g.DaysSinceOffer = 0;
  if (RndInt(2) == 1) {
    AddTalkLine(Join("  こんにちは。", magazine.Name, "の編集部のものです。今日お伺いしたのは"));
    AddTalkLine("  実は他の先生に読切原稿を頼んでいたのですが、その先生が失踪してしまったので");
    AddTalkLine(Join(g.PlayerSei, "先生に、読切原稿の依頼にきたのですが、"));
    AddTalkLine("〆切が10日後ですがよろしいですか？");
  } else {
    AddTalkLine(Join("  どうも、こんにちは。", magazine.Name, "でお世話になっています。今日お伺いしたのは"));
    AddTalkLine(Join("実は", g.PlayerSei, "先生に読切を描いてもらおうと言うことで伺ったのですが"));
    AddTalkLine("ちょっと急いでいて、〆切が10日後なのですが、よろしいですか？");
  }
  g.OneShotRequestMagazine = row;
  ShowRequest(kOneShotRequest);
}

// A serial offer from a magazine that knows the player well and had a
// requested one-shot (or a serial) accepted.
void SerialOffer(const Value& row) {
  GameState& g = State();
  const rec::Magazine& magazine = g.Magazine[row];
  if (!VisitAllowed() || !(magazine.Yukou >= 3) || !(magazine.RequestState == 2 || magazine.RequestState == 3))
    return;
  if (RndInt(25) != 0 || magazine.SerialRunning != 0) return;
  g.DaysSinceOffer = 0;
  AddTalkLine(Join("  いつも", magazine.Name, "でお世話になっています。編集部で検討した結果"));
  AddTalkLine(Join("  ", g.PlayerSei, "先生についに新連載をしてもらおうという事で意見が一致しました。"));
  AddTalkLine(Join("  原稿料は毎週24万円で、", SerialDeadlineText(row), "が締め切りとなっていますが、"));
  AddTalkLine("  この連載を引き受けて頂けますか？");
  g.RequestMagazine = row;
  g.SerialMagazine = row;
  ShowRequest(kSerialRequest);
}

// A first request from a magazine that does not know the player yet, whose
// publisher does.
void FirstRequest(const Value& row) {
  GameState& g = State();
  const rec::Magazine& magazine = g.Magazine[row];
  if (!(g.PublisherYukou[magazine.Publisher] > 0) || magazine.SerialRunning != 0 || !VisitAllowed()) return;
  if (RndInt(100) != 0 || magazine.Yukou != 0) return;
  g.DaysSinceOffer = 0;
  AddTalkLine(Join("  はじめまして。", magazine.PublisherName, "のものです。実は出版社の中でですね"));
  AddTalkLine(Join("  ", g.PlayerSei, "先生のお噂を聞いて今日は ", magazine.Name, "に読切原稿の依頼にきたのですが"));
  AddTalkLine("  〆切が10日後ですが、お願できますでしょうか？");
  g.OneShotRequestMagazine = row;
  ShowRequest(kOneShotRequest);
}

}  // namespace

std::string SerialDeadlineText(const Value& magazine) {
  const rec::Magazine& m = State().Magazine[magazine];
  if (m.Frequency == 1) return Join("毎月 ", m.DeadlineDay, "日");
  if (m.Frequency == 2) {
    for (long long day = 0; day < 7; ++day)
      if (m.DeadlineDay == day) return Join("毎週 ", kWeekdays[day]);
  }
  return {};
}

void NoonMagazineVisits() {
  GameState& g = State();
  g.DaysSinceOffer += 1;
  for (int p = 0; p < 5; ++p) g.PublisherSerialRunning[p] = 0;
  const long long magazines = g.MagazineCount.Index();
  for (long long row = 0; row < magazines; ++row)
    if (g.Magazine[row].SerialRunning != 0) g.PublisherSerialRunning[g.Magazine[row].Publisher - 1] = 1;

  for (long long row = 0; row < magazines; ++row) {
    OneShotFromKnownMagazine(row);
    if (GameEnded()) return;
    SerialOffer(row);
    if (GameEnded()) return;
    FirstRequest(row);
    if (GameEnded()) return;
  }
}

}  // namespace koratsu
