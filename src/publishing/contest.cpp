#include "publishing/contest.h"

#include <string>

#include "production/work_record.h"
#include "publishing/game_end.h"
#include "publishing/submission_lists.h"
#include "state/game_state.h"
#include "state/money.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/talk.h"
#include "ui/tutorial_stages.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr const char* kPublisherSpeaker = "出版社の人";

// By prize, Grand to Mention: the congratulation, the money's lead-in and the closing words.
constexpr const char* kWon[] = {"」が遂に大賞を受賞しました。", "」が副賞を受賞しました。", "」が佳作を受賞しました。"};
constexpr const char* kMoneyLead[] = {"これが大賞の賞金の", "それと副賞の賞金の", "それと佳作の賞金の"};

void ShowClosingWords(ContestPrize prize) {
  switch (prize) {
    case ContestPrize::Grand:
      AddTalkLine("そしてめでたく本誌でデビューが決定しました。");
      AddTalkLine("今後原稿の依頼など伺うと思うのでよろしくお願いします。");
      break;
    case ContestPrize::Second:
      AddTalkLine("大賞まであと少しで本誌デビューも夢ではありませんので、がんばってください。");
      break;
    default:
      AddTalkLine("まだまだ本誌でデビューできませんが、がんばってください。");
      break;
  }
  ui::ShowTalk(kPublisherSpeaker);
}

// The editors look for a copy, then for a novel adapted without permission;
// true when one was found out and the game is over.
bool FoundOut(const rec::MangaWork& work) {
  const long copyDraw = RndInt(3);
  if (work.Source == 1 && copyDraw == 0) {
    AddTalkLine(Join("こんにちは実は先日送ってもらった「", work.Title, "」ですが、"));
    AddTalkLine("編集部で見た結果、明らかに他の漫画から盗作していることが分かりました。");
    AddTalkLine("つきましては編集部ではそれなりの仕打ちを受けてもらうことに決定しました。");
    ui::ShowTalk(kPublisherSpeaker);
    EndCareer(0);
    return true;
  }
  const long novelDraw = RndInt(3);
  if (work.Source == 2 && novelDraw == 0) {
    AddTalkLine(Join("どうも、こんにちは実は先日送ってもらった「", work.Title, "」ですが、"));
    AddTalkLine("編集部で調べた結果、小説を漫画化していますが許可を取っていないことがわかりました。");
    AddTalkLine(RndInt(4) == 0 ? "著作権の問題などで、大問題だぜこのやろぉ！" : "著作権の問題などで、これは大問題ですよ・・・");
    ui::ShowTalk(kPublisherSpeaker);
    EndCareer(1);
    return true;
  }
  return false;
}

void Reject(const rec::MangaWork& work) {
  AddTalkLine(Join("どうもこんにちは、", State().PlayerSei, "先生ですね。"));
  AddTalkLine(Join("この前送っていただいた「", work.Title, "」ですが、"));
  AddTalkLine("残念ながら不採用と言うことになってしまいました。次回はがんばってください。");
  ui::ShowTalk("報告");
}

// The article, the money and the words that come with a prize. The money
// arrives only once its notice has closed.
void AwardPrize(long long w, ContestPrize prize) {
  GameState& g = State();
  rec::MangaWork& work = g.MangaWork[w];
  const int result = static_cast<int>(prize);
  const auto k = static_cast<std::size_t>(result - 1);

  AddTalkLine("  今日は新人賞の発表がありました。");
  ui::ShowTalk(kPublisherSpeaker);
  work.ContestResult = result;
  g.FormSlot[form::kContestArticle].Param = w;
  ui::Show(form::kContestArticle, ui::Modal);
  g.Magazine[work.SentMagazine].Adopted = 1;

  const rec::Magazine& magazine = g.Magazine[work.Magazine];
  work.Prize = PrizeMoney(prize, magazine.Prize);
  const std::string money = FormatKingaku(work.Prize);
  AddTalkLine(Join("おめでとうございます。「", work.Title, kWon[k]));
  AddTalkLine(Join(kMoneyLead[k], money, "円です。"));
  ui::ShowTalk(kPublisherSpeaker);

  ui::SetControlText(form::kFeeNotice, "Label2(1)", Join(magazine.Name, "の賞金"));
  ui::SetControlText(form::kFeeNotice, "Label2(0)", money + "円");
  ui::Show(form::kFeeNotice, ui::Modal);
  AddKingaku(work.Prize);
  work.Award = result;
  ShowClosingWords(prize);
  work.State = manga_state::kTaken;

  if (prize != ContestPrize::Grand) return;
  if (g.PlayerDebuted <= 1) g.PlayerDebuted = 1;
  rec::Magazine& sent = g.Magazine[work.SentMagazine];
  sent.Yukou += 1;
  g.PublisherYukou[sent.Publisher] += 1;
}

}  // namespace

void OpenContestPost() {
  AdvanceTutorial(10);
  BuildSubmissionWorkList();
}

bool PostSelectedWork() {
  GameState& g = State();
  const Value row = g.MagazineListRow;
  const Value& publisher = g.Magazine[row].PublisherName;
  if (g.MangaListCount == 0) {
    ui::ShowMessage(Join("現在", publisher, "に送れる原稿はありません。"));
    return false;
  }
  rec::MangaWork& work = g.MangaWork[g.MangaListIndex[g.MangaListRow]];
  if (ui::AskYesNo(Join(publisher, "に「", work.Title, "」を投稿しますか？")) != 6) return false;
  work.State = manga_state::kSent;
  work.ResultDays = 4;
  work.Contest = 1;
  work.SentMagazine = row;
  work.Magazine = row;
  g.FormSlot[form::kArchive].Redraw = 1;
  ui::Unload(form::kContestPost);
  ui::Show(form::kPostingAnimation, ui::Modal);
  return true;
}

bool MoveEnvelope(int& left) {
  left += kEnvelopeStep;
  if (left < kEnvelopeArrival) return false;
  AdvanceTutorial(11);
  return true;
}

ContestPrize JudgeHyouka(const Value& hyouka, const Value& standard) {
  const double h = hyouka.Num(), s = standard.Num();
  if (h > s / 3.3) return ContestPrize::Grand;
  if (h > s / 4.5) return ContestPrize::Second;
  if (h > s / 6.1) return ContestPrize::Mention;
  return ContestPrize::Rejected;
}

Value PrizeMoney(ContestPrize prize, const Value& magazinePrize) {
  // The lesser prizes drop what is below whole ten thousands of yen.
  switch (prize) {
    case ContestPrize::Grand: return magazinePrize;
    case ContestPrize::Second: return Int(magazinePrize / 2 / 10000) * 10000;
    case ContestPrize::Mention: return Int(magazinePrize / 5 / 10000) * 10000;
    default: return 0;
  }
}

void JudgeContestEntries() {
  GameState& g = State();
  const long long works = g.MangaCount.Index();
  for (long long w = 0; w < works; ++w) {
    rec::MangaWork& work = g.MangaWork[w];
    if (!(work.ResultDays > 0)) continue;
    work.ResultDays -= 1;
    // Judged on the noon its countdown runs out, and never again.
    if (work.ResultDays > 0 || work.Contest != 1) continue;
    if (FoundOut(work)) return;
    const ContestPrize prize = JudgeHyouka(work.Hyouka, g.Magazine[work.SentMagazine].Standard);
    if (prize == ContestPrize::Rejected) {
      Reject(work);
    } else {
      AwardPrize(w, prize);
    }
  }
  g.FormSlot[form::kArchive].Redraw = 1;
}

}  // namespace koratsu
