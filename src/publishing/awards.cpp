#include "publishing/awards.h"

#include "state/game_state.h"
#include "state/log.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kPublishers = 5;
constexpr int kPresident = 1;

void ShowPresidentTalk() {
  State().TalkSpeaker = kPresident;
  ui::ShowTalk("出版社 社長");
}

// The publisher of work `work`'s magazine, 0 to 4.
long long PublisherOf(long long work) {
  const GameState& g = State();
  return g.Magazine[g.MangaWork[work].Magazine].Publisher.Index() - 1;
}

}  // namespace

void MangaAwardCeremony(int publisher, long long work) {
  GameState& g = State();
  Rnd();
  if (publisher < 0 || publisher >= kPublishers) {
    LogLine("award: no publisher " + std::to_string(publisher));
    return;
  }
  rec::Publisher& p = g.Publisher[publisher];
  if (p.AwardDone != 0) return;
  // A ceremony does not start inside another: this publisher's award stays
  // to be won at a later hour.
  if (g.CeremonyBusy == 1) return;

  p.AwardDone = 1;
  const Value edition = RndInt(20) + 10;
  p.AwardNo = edition;
  rec::MangaWork& w = g.MangaWork[work];
  w.Awarded = 1;
  g.CeremonyBusy = 1;

  AddTalkLine(Join("  こんにちは朗報です。実は昨日、第", edition, "回 ", p.Name, "漫画賞の発表がありまして"));
  AddTalkLine(Join("なんと「", w.Title, "」が受賞したんですよ。"));
  AddTalkLine("今から授賞式を行いますので出版社に来てください。");
  ui::ShowTalk("担当 報告");

  AddTalkLine(Join("  えーこれから第", edition, "回 ", p.Name, "漫画賞の表彰を行います。"));
  AddTalkLine(Join("今回の受賞作品は", g.PlayerSei, " ", g.PlayerMei, "先生の「", w.Title, "」です。"));
  AddTalkLine(Join(g.PlayerSei, "先生には受賞ﾄﾛﾌｨｰと賞金が送られます。"));
  ShowPresidentTalk();

  ui::SetControlText(form::kAward, "Label2(1)", w.Title.Str());
  ui::SetControlText(form::kAward, "Label2(0)", p.Name.Str());
  ui::Show(form::kAward, ui::Modal);

  AddTalkLine(Join("  我が社の看板ともなった", g.PlayerSei, "先生には"));
  AddTalkLine("ぜひともこの先すばらしい漫画を描き続けてもらいたいものです。");
  ShowPresidentTalk();

  AddTalkLine("  では、これにて表彰式を終了させたいと思います。");
  AddTalkLine("忙しいところ皆さん集まっていただきありがとうございました。");
  ui::ShowTalk("司会の人");

  AddTalkLine("  よかったですね。各界から祝福の花束も届いています。");
  AddTalkLine("新聞や雑誌などでも紹介されました。今後もがんばってください。");
  ui::ShowTalk("担当 報告");

  if (RecountTrophies() == kPublishers) {
    AddTalkLine("  おめでとうございます、このﾄﾛﾌｨｰであなたはすべての出版社から");
    AddTalkLine("漫画賞をもらえました。これからエンディングがはじまります。");
    ui::ShowTalk("神の声");
    ui::Show(form::kEnding, ui::Modal);
  }
  // Also after the ending: the trophies are the last thing the player sees.
  ui::Show(form::kTrophies, ui::Modal);
  g.CeremonyBusy = 0;
}

void ReceiveAwardPrize() { AddKingaku(kAwardPrize); }

int RecountTrophies() {
  GameState& g = State();
  bool anyAwarded = false;
  const long long works = g.MangaCount.Index();
  for (long long j = 0; j < works && !anyAwarded; ++j) anyAwarded = g.MangaWork[j].Awarded == 1;
  int held = 0;
  for (int i = 0; i < kPublishers; ++i) {
    g.PublisherTorofi[i] = 0;
    if (g.Publisher[i].AwardNo > 0 && anyAwarded) g.PublisherTorofi[i] = 1;
    held += g.PublisherTorofi[i] == 1;
  }
  return held;
}

std::array<TrophyPanel, 5> FillTrophyRoom() {
  GameState& g = State();
  std::array<TrophyPanel, 5> panels;
  const long long works = g.MangaCount.Index();
  for (int i = 0; i < kPublishers; ++i) {
    TrophyPanel& panel = panels[static_cast<size_t>(i)];
    const rec::Publisher& p = g.Publisher[i];
    g.PublisherTorofi[i] = 0;
    panel.publisher = p.Name.Str();
    panel.won = p.AwardNo != 0;
    panel.award = panel.won ? Join("第", p.AwardNo, "回 ", p.Name, "漫画賞受賞") : "なし";
    panel.title = "なし";
    // The last of the publisher's prized works names the trophy.
    for (long long j = 0; j < works; ++j) {
      if (p.AwardNo > 0 && g.MangaWork[j].Awarded == 1 && PublisherOf(j) == i) {
        g.PublisherTorofi[i] = 1;
        panel.title = Join("「", g.MangaWork[j].Title, "」");
      }
    }
  }
  return panels;
}

}  // namespace koratsu
