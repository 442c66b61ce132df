#include "publishing/media_events.h"

#include <string>
#include <type_traits>

#include "production/work_record.h"
#include "publishing/comics_release.h"
#include "publishing/media_offers.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/money.h"
#include "state/random.h"
#include "state/time_text.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kAnimeMode = 0;
constexpr int kMovieMode = 1;
constexpr int kWeakBroadcastsToEnd = 3;

// Volumes a work can hold.
constexpr long long kVolumeCapacity =
    std::remove_reference_t<decltype(std::declval<GameState&>().ComicsVolume[0])>::kCapacity;

void EditorReports() { ui::ShowTalk("担当 報告"); }

// The days from today to the broadcast weekday of next week (7 on the broadcast day itself).
Value DaysToNextBroadcast(const rec::MangaWork& w) { return 7 - State().GameWeekday + w.AnimeWeekday; }

void OpenMediaOffer(const Value& work, int mode) {
  GameState& g = State();
  g.FormSlot[form::kMediaOffer].Param = work;
  g.FormSlot[form::kMediaOffer].Mode = mode;
  ui::Show(form::kMediaOffer, ui::Modal);
}

// The rating of a broadcast: a sixth of the score, cut to one decimal, at
// least 3.2.
double CutRating(double rating) {
  rating = Int(rating * 10) / 10;
  return rating <= 3 ? 3.2 : rating;
}

void TellFirstBroadcast(const rec::MangaWork& w, double rating) {
  const std::string opening = Join("  今日、放送されました「", w.Title, "」ですが、");
  // The first cut rating is never below 3.2; the poor notice stays for a
  // rating that could reach it.
  if (rating <= 3) {
    AddTalkLine(opening + "視聴率があまりよくありませんでした・・・");
    AddTalkLine("放送局側も頑張りますので、原作もがんばっていい視聴率をとるようにしましょう。");
  } else if (rating >= 15) {
    AddTalkLine(opening + "大好評で視聴率がいいんですよ");
    AddTalkLine("これからもがんばっていきましょう。");
  } else {
    AddTalkLine(opening + "なかなかの評判のようです。");
  }
  EditorReports();
}

}  // namespace

void AnimeOfferEvent(int entry) {
  GameState& g = State();
  const Value work = g.EditorEvent[entry].MangaIndex;
  g.AnimeOfferWeekday = RndInt(7);
  AddTalkLine(Join("  連載漫画「", g.MangaWork[work].Title, "」がですね、"));
  AddTalkLine("読者の人気も非常に高く、テレビ局からアニメ化の話がきているのですが");
  AddTalkLine("なおアニメ化すると毎週30万円の収入があります。");
  AddTalkLine(Join("毎週", WeekdayName(g.AnimeOfferWeekday), "放送と言うことですが、どうしますか？"));
  EditorReports();
  OpenMediaOffer(work, kAnimeMode);
}

void BroadcastEvent(int entry) {
  GameState& g = State();
  const Value work = g.EditorEvent[entry].Target;
  rec::MangaWork& w = g.MangaWork[work];
  AddKingaku(w.AnimeIncome);
  PlayKoukaon(0);
  w.AnimeEpisode += 1;
  g.FormSlot[form::kArchive].Redraw = 1;

  // Rated on the score before an ended serial's wears off.
  double rating = w.Hyouka.Num() / 420 * 70;
  if (w.State == manga_state::kSerialEnded) w.Hyouka -= 5;
  if (w.Hyouka < 10) w.Hyouka = 10;
  rating = CutRating(rating);

  if (rating <= 7) {
    w.AnimeLowCount += 1;
    if (w.AnimeLowCount == kWeakBroadcastsToEnd) {
      AddTalkLine(Join("  実はですね、現在テレビアニメ放送中の「", w.Title, "」が、"));
      AddTalkLine("  最近視聴率が下がってきていまして、テレビ局からそろそろ終了・・・ということになりました。");
      AddTalkLine("  来週の放送で、最終回ということですのでよろしくお願いします。では、");
      EditorReports();
      QueueEditorEvent(event_code::kAnimeEnd, DaysToNextBroadcast(w), {.Target = work});
    }
  }
  w.AnimeStartDays = DaysToNextBroadcast(w);
  if (rating >= 26) rating = 26.4;
  w.AnimeRating = rating;
  if (w.AnimeEpisode == 1) TellFirstBroadcast(w, rating);
}

void ComicsReleaseEvent(int entry) {
  GameState& g = State();
  const Value work = g.EditorEvent[entry].Target;
  rec::MangaWork& w = g.MangaWork[work];
  if (w.Volumes >= kVolumeCapacity) {
    LogLine("comics release: work " + work.Str() + " holds " + std::to_string(kVolumeCapacity) +
            " volumes already; no new one");
    return;
  }
  w.Volumes += 1;
  const long long v = w.Volumes.Index() - 1;
  rec::ComicsVolume& volume = g.ComicsVolume[work][v];
  volume.Price = Money::FromNumber(g.Magazine[w.Magazine].ComicsPrice.Num());
  volume.SalesRate = 9 * (w.Hyouka + RndInt(4) + g.PlayerFame / 20);

  g.FormSlot[form::kComicsRelease].Param = work;
  ui::SetControlText(form::kComicsRelease, "Label2(1)", w.Title.Str());
  ui::SetControlText(form::kComicsRelease, "Label2(0)", Join(volume.Price.AsValue(), "円"));
  ui::SetControlText(form::kComicsRelease, "Label2(2)", Join(w.Volumes, "巻"));
  ui::Show(form::kComicsRelease, ui::Modal);

  volume.Printed = FirstPrintRun(volume.SalesRate);
  AddTalkLine(Join("  今回の初回発行部数は ", FormatKingaku(volume.Printed), "冊です。"));
  EditorReports();
}

void MerchandiseOfferEvent(int entry) {
  GameState& g = State();
  const Value work = g.EditorEvent[entry].Target;
  const Value kindNumber = g.EditorEvent[entry].Manga;
  const MerchandiseKind* kind = FindMerchandiseKind(kindNumber);
  if (!kind) {
    LogLine("merchandise offer: no kind " + kindNumber.Str());
    return;
  }
  const rec::MangaWork& w = g.MangaWork[work];
  // Accepted since the offer was drawn: it is not made twice.
  if (w.MerchAccepted[kindNumber] != 0) return;
  AddTalkLine(Join("  「", w.Title, kind->talkFirst));
  AddTalkLine(kind->talkSecond);
  EditorReports();
  g.FormSlot[form::kMerchOffer].Param = work;
  g.FormSlot[form::kMerchOffer].Mode = kindNumber;
  ui::Show(form::kMerchOffer, ui::Modal);
}

void AnimeEndEvent(int entry) {
  GameState& g = State();
  g.MangaWork[g.EditorEvent[entry].Target].AnimeState = 2;
}

void MovieOfferEvent(int entry) {
  GameState& g = State();
  const Value work = g.EditorEvent[entry].MangaIndex;
  AddTalkLine(Join("  連載漫画「", g.MangaWork[work].Title, "」が、"));
  AddTalkLine("読者の人気も非常に高く、ついに映画化の話まできているのですが、どうします？");
  EditorReports();
  OpenMediaOffer(work, kMovieMode);
}

void PremiereEvent(int entry) {
  GameState& g = State();
  const rec::MangaWork& w = g.MangaWork[g.EditorEvent[entry].Target];
  AddTalkLine(Join("  今日は映画「", w.Title, "」の封切りです。"));
  AddTalkLine(Join("  また、興行収入の10%が原作者である", g.PlayerSei, "先生に振り込まれます。"));
  AddTalkLine("  3週間上映されますのでヒットするといいですね。");
  EditorReports();
}

}  // namespace koratsu
