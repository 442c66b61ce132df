#include "publishing/magazine_texts.h"

#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

// The texts of a work's audience and genre entries.
Value Audience(const Value& work) {
  const GameState& g = State();
  return g.ClassList[1].Text[g.MangaClass[0][work]];
}

Value Genre(const Value& work) {
  const GameState& g = State();
  return g.ClassList[2].Text[g.MangaClass[1][work]];
}

}  // namespace

int ContestArticleArea(const Value& result) {
  for (int prize = 1; prize <= 3; ++prize)
    if (result == prize) return prize - 1;
  return -1;
}

std::string ContestArticle(const Value& work) {
  const GameState& g = State();
  const rec::MangaWork& w = g.MangaWork[work];
  switch (ContestArticleArea(w.ContestResult)) {
    case 0:
      return Join("遂に発表された、", g.Magazine[w.Magazine].Name, "の新人賞だが、大賞を受賞した作品は", g.PlayerSei,
                  "氏の「", w.Title, "」である。", "\n", "この作品は、主に", Audience(work), "を対象とした",
                  Genre(work), "だ。", "全体的にすぐれた作品で文句無しの大賞受賞だ！", g.PlayerSei,
                  "氏はﾃﾞﾋﾞｭｰも決まったので楽しみにしていてくれ。");
    case 1:
      return Join("残念ながら大賞逃した作品にもいいものはあった。副賞を受賞した", g.PlayerSei, "氏の「", w.Title,
                  "」は", Audience(work), "を対象とした", Genre(work), "だ。", "\n",
                  "もっと技術を上げて知識をつければ対象も夢ではないだろう。", "今後が期待できる人物である。");
    case 2:
      return Join("佳作の「", w.Title, "」は", Audience(work), "を対象の", Genre(work), "であるが、",
                  "技術がまだまだ足りない。知識もつけて今後も描けばよくなるかもしれない。今後の成長に期待する。");
  }
  return {};
}

std::string FeatureArticle(const Value& work, const Value& variant) {
  const rec::MangaWork& w = State().MangaWork[work];
  if (variant == 0)
    return Join(" 漫画評論。今回の特集は最近話題の「", w.Title, "」である。", "\n", "簡単に説明すると", Audience(work),
                "を対象とした", Genre(work), "だ。",
                "漫画評論家の森川氏も「実に素晴らしい作品だ」と絶賛しており、まだ読んでいない人は今すぐ本屋へ走るべきだろう。");
  if (variant == 1)
    return Join(" 今週の漫画評論。特集は最近話題沸騰の「", w.Title, "」だ。", "\n", Audience(work), "を対象とした",
                Genre(work), "である。", "今後ますます白熱するストーリー展開に全世界の期待がかかっている。");
  if (variant == 2 && w.AnimeState != 0)
    return Join(" 今週の漫画評論は「", w.Title, "」の特集だ。", "\n",
                "既にアニメ化もしているのでご存知の方も多いかと思うが説明しておくと", Audience(work), "を対象の",
                Genre(work), "だ。",
                "漫画家の高野さんも「すばらしい漫画だ」と語っていたほどで、本誌としても今後の活躍に期待したい。");
  if (variant == 2)
    return Join(" 今週の漫画評論は「", w.Title, "」を紹介する。", "\n", Audience(work), "を対象とした", Genre(work),
                "であり", "最近人気も高まっていることからアニメ化も近いといわれている。", "\n",
                "「まだアニメ化しません」（作品関係者）ということだが読者としては気になる所だ。");
  if (variant == 3 && w.MovieOn != 0)
    return Join(" 最近話題の漫画といえば貴方は何が思い浮かぶだろうか？たいていの人は「", w.Title, "」であろう。", "\n",
                "映画も公開されまさに社会現象にもなったのである、本誌では今後も本作品について様々な情報を提供して"
                "いく予定なので楽しみにしていてもらいたい。");
  if (variant == 3)
    return Join(" 今週の漫画評論は「", w.Title, "」を紹介する。", "\n",
                "最近話題にならない日がないと言われるくらいな作品だが映画化はしていない「映画化にはもうちょっと人気が"
                "ないと」（業界関係者 Aさん）ということだが今後の動向を見守っていたい。");
  return {};
}

std::string FanLetterAddressee() {
  const GameState& g = State();
  return Join(g.PlayerSei, " ", g.PlayerMei, "先生へ");
}

std::string ChooseFanLetter() {
  GameState& g = State();
  rec::FormSlot& slot = g.FormSlot[form::kFanLetter];
  slot.Mode = 1;
  return Join("  はじめまして、", g.PlayerSei, "先生！お元気ですか？僕は漫画を描くのが大好きです。もちろん先生の「",
              g.MangaWork[slot.Param].Title, "」を読むのも大好きです。", "\n",
              "そこで僕はオリジナルキャラクターを作りました。いっしょにイラストを入れておくのでよろしければ使ってくだちゃい。では。");
}

}  // namespace koratsu
