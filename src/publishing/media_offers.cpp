#include "publishing/media_offers.h"

#include "state/game_state.h"
#include "state/time_text.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kAnime = 0;
constexpr int kMovie = 1;

constexpr MerchandiseKind kKinds[] = {
    {"スナック菓子", "スナック菓子を発売しますか？", "商品化", "商品化しない", "商品化する",
     "== 漫画が商品化します  ==", 4500000, 1, "」が大人気でお菓子メーカーから",
     "スナック菓子を出したいと言うことですが、どうしますか？"},
    {"ゲームソフト", "ゲームソフトを発売しますか？", "商品化", "商品化しない", "商品化する",
     "== 漫画が商品化します  ==", 10000000, 0, "」が大人気でゲームメーカーから",
     "ゲームソフトを出したいと言うことですが、どうしますか？"},
    {"ｷｬﾗｸﾀｰｶｰﾄﾞ", "ｷｬﾗｸﾀｰｶｰﾄﾞを発売しますか？", "商品化", "商品化しない", "商品化する",
     "== 漫画が商品化します  ==", 2000000, 2, "」が大人気でおもちゃメーカーから",
     "キャラクターカードを発売したいと言うことですが、どうしますか？"},
    {"ｷｬﾗｸﾀｰ・ﾌｨｷﾞｭｱ", "ｷｬﾗｸﾀｰ・ﾌｨｷﾞｭｱを発売しますか？", "商品化", "商品化しない", "商品化する",
     "== 漫画が商品化します  ==", 5000000, 3, "」が大人気でおもちゃメーカーから",
     "ｷｬﾗｸﾀｰ・ﾌｨｷﾞｭｱを発売したいと言うことですが、どうしますか？"},
    {"ﾏｽｺｯﾄｷｬﾗｸﾀｰ", "銀行と契約しますか？", "銀行のﾏｽｺｯﾄ化", "契約しない", "契約する",
     "== 銀行との契約です  ==", 80000000, 4, "」の主人公を銀行が",
     "ﾏｽｺｯﾄのｷｬﾗｸﾀｰに採用したいと言うことですが、どうしますか？"},
};

const rec::MangaWork& OfferedWork(int form) { return State().MangaWork[State().FormSlot[form].Param]; }

}  // namespace

std::optional<MediaOfferTexts> MediaOfferWindowTexts() {
  const GameState& g = State();
  const Value& mode = g.FormSlot[form::kMediaOffer].Mode;
  const Value& title = OfferedWork(form::kMediaOffer).Title;
  if (mode == kAnime)
    return MediaOfferTexts{"テレビアニメ化", "アニメ化する", "アニメ化しない", "== テレビアニメ化しますか？ ==",
                           "テレビアニメ化しますか？",
                           Join("「 ", title, " 」をアニメ化しますか？放送は毎週",
                                WeekdayName(g.AnimeOfferWeekday), "です。")};
  if (mode == kMovie)
    return MediaOfferTexts{"映画化", "映画化する", "映画化しない", "== 映画化しますか？ ==", "映画化しますか？",
                           Join("「 ", title, " 」が大人気で、現在映画化を検討しています。封切は16日後です。")};
  return std::nullopt;
}

void AcceptMediaOffer() {
  GameState& g = State();
  const Value& mode = g.FormSlot[form::kMediaOffer].Mode;
  rec::MangaWork& w = g.MangaWork[g.FormSlot[form::kMediaOffer].Param];
  if (mode == kAnime) {
    g.PlayerPopularity += 3;
    w.AnimeWeekday = g.AnimeOfferWeekday;
    w.AnimeState = 1;
    w.AnimeStartDays = 14 + w.AnimeWeekday - g.GameWeekday;
    w.AnimeIncome = kAnimeIncome;
    AddTalkLine("  おお、では早速制作に取り掛かります。 ");
    AddTalkLine(Join("第一回目の放送は", w.AnimeStartDays, "日後の", WeekdayName(w.AnimeWeekday),
                     "ですので、楽しみに待っていてください。"));
  } else if (mode == kMovie) {
    g.PlayerPopularity += 4;
    w.MovieOn = 1;
    w.MovieStartDays = kMoviePremiereDays;
    AddTalkLine("  そうですか、では早速制作に取り掛かります。 ");
    AddTalkLine("封切りは16日後なので、楽しみに待っていてください。 ");
  } else {
    return;
  }
  ui::ShowTalk("担当 報告");
}

void DeclineMediaOffer() {
  AddTalkLine("  そうですか・・・わかりました。残念ですがそう伝えておきます。");
  ui::ShowTalk("担当 報告");
}

const MerchandiseKind* FindMerchandiseKind(const Value& kind) {
  for (int k = 0; k < static_cast<int>(std::size(kKinds)); ++k)
    if (kind == k) return &kKinds[k];
  return nullptr;
}

const MerchandiseKind* LoadMerchOffer() {
  const MerchandiseKind* kind = FindMerchandiseKind(State().FormSlot[form::kMerchOffer].Mode);
  if (kind) State().MerchOfferFee = kind->fee;
  return kind;
}

void AcceptMerchOffer() {
  GameState& g = State();
  AddKingaku(g.MerchOfferFee);
  PlayKoukaon(0);
  const rec::FormSlot& slot = g.FormSlot[form::kMerchOffer];
  g.MangaWork[slot.Param].MerchAccepted[slot.Mode] = 1;
}

}  // namespace koratsu
