// Catalogues about works: the classification lists, the existing manga that
// can be copied and the novels that can be adapted.

#include <string_view>

#include "state/catalogues.h"
#include "state/game_state.h"
#include "state/product.h"

namespace koratsu {

namespace {

// Classification lists: 0 page formats, 1 target audiences, 2 genres.
void AddClassEntry(long long list, const Value& text, const Value& points) {
  rec::ClassList& k = State().ClassList[list];
  long long n = k.Count.Index();
  if (!Append(k.Text, k.Count)) return;
  k.Text[n] = text;
  k.Point[n] = points;
}

}  // namespace

void AddPageFormat(const Value& text, const Value& points) { AddClassEntry(0, text, points); }
void AddAudience(const Value& text, const Value& points) { AddClassEntry(1, text, points); }
void AddGenre(const Value& text, const Value& points) { AddClassEntry(2, text, points); }

void AddOtherManga(const Value& title, const Value& fame, const Value& popularity,
                   const Value& comment) {
  GameState& g = State();
  rec::OtherManga* row = Append(g.OtherManga, g.OtherMangaCount);
  if (!row) return;
  row->Title = title;
  row->Fame = fame;
  row->Popularity = popularity;
  row->Comment = comment;
}

void AddNovel(const Value& title, const Value& publisher, const Value& popularity,
              const Value& comment) {
  GameState& g = State();
  rec::Novel* row = Append(g.Novel, g.NovelCount);
  if (!row) return;
  row->Title = title;
  row->Publisher = publisher;
  row->Popularity = popularity;
  row->Comment = comment;
}

namespace {

struct ClassRow {
  const char* text;
  int points;
};

constexpr ClassRow kPageFormats[] = {
    {"12ページ", 40}, {"22ページ", 40}, {"34ページ", 40}, {"4コマ漫画", 20}};
constexpr ClassRow kAudiences[] = {{"少年層", 30}, {"少女層", 22}, {"青年層", 26}, {"一般層", 22}};
constexpr ClassRow kGenres[] = {{"ｷﾞｬｸﾞ漫画", 20}, {"ｽﾄｰﾘｰ漫画", 23}, {"ﾄﾞｷｭﾒﾝﾀﾘｰ", 12}};

// The epic that is both a manga and a novel keeps one comment in both.
constexpr const char* kSharedEpicComment = "歴史的な大作";

struct OtherMangaRow {
  std::string_view title;
  int fame;
  int popularity;
  const char* comment;
};

constexpr OtherMangaRow kOtherManga[] = {
    {"路地裏のカッパ", 3, 4, "一部に大人気"},
    {"ねじまき課長", 2, 1, "人気なし"},
    {"毒舌ひよこ", 3, 2, "問題作"},
    {"がんばれ消しゴム", 1, 1, "そろそろ打切りの漫画"},
    {"鉄板番長", 3, 5, "一部に熱狂的なファンがいる"},
    {"銀河ラーメン伝説", 5, 5, "アニメ化もした人気作品"},
    {"十回目の告白", 0, 1, "10回で打ち切りになった話題作"},
    {"ぼくらの屋根裏探検隊", 2, 2, "現在連載中だが打ち切り決定"},
    {"ペンとインクの青春", 4, 2, "これを読んで漫画家になった人多?"},
    {"すってんころり一家", 4, 4, "アニメ化もしたギャグマンが"},
    {"走れ！補欠くん", 2, 3, "最近人気が下がってきた"},
    {"昆虫博士の事件簿", 5, 3, "マニアにはたまらない"},
    {"放課後ロケット部", 4, 5, "学生に大人気"},
    {"帰ってきた忍者モグラ丸", 5, 5, "あの名作が帰ってきた"},
    {"恋するおにぎり", 2, 4, "一部に大人気"},
    {kSharedEpicTitle, 5, 5, kSharedEpicComment},
    {"さすらいの郵便屋", 4, 4, "ついに完結の長編漫画"},
    {"ゴリラ部長", 3, 1, "人気は下降気味"},
    {"夜明けのタクシー", 4, 2, "青年に人気がある"},
    {"二話で終わる男", 1, 1, "2回で打ち切り！"},
    {"ドリブル小僧", 2, 4, "少年には大人気"},
    {"まぼろしの第三惑星", 5, 5, "幻の漫画"},
    {"ビル街の小さな灯", 4, 3, "大都会に生きる人"},
    {"ドカン！バキッ！", 2, 3, "音だけの漫画・・？？"},
    {"楽しい漫画", 1, 1, "ヒットしなかった"},
    {"下町刑事ぶらり旅", 4, 4, "テレビドラマ化をした"},
    {"禁断の給食", 3, 5, "その世界には物議を醸し出した"},
    {kAdaptedNovelTitle, 4, 4, "大問題小説を遂に漫画化"},
    {"たのしいﾊﾟｿｺﾝ入門", 3, 2, "ちょっと時代遅れ"},
    {"図書館の怪人", 1, 1, "公共の施設にはまだ人気がある"},
    {"謎の巻物X", 5, 5, "詳細不明"},
    {"原宿スケボー団", 4, 3, "若者に人気バツグン"},
    {"ちびっこ怪獣ポコペン", 5, 5, "小学生中心に人気がある"},
    {"まいにちピクニック", 2, 2, "たのしい"},
};

struct NovelRow {
  std::string_view title;
  int publisher;
  int popularity;
  const char* comment;
};

constexpr NovelRow kNovels[] = {
    {"はしる馬", 1, 4, "競馬関係の小説"},
    {"縁側の午後", 1, 2, "老人層に人気がある"},
    {"たのしい算数物語", 1, 2, "学校などにおいてある"},
    {"ある漁師の記録", 1, 4, "事実をもとに書かれている"},
    {"雪原の七日間", 1, 5, "ﾉﾝﾌｨｸｼｮﾝの最高傑作"},
    {"社長室の金庫", 1, 3, "有名企業の秘密の本"},
    {"少年探偵ダイスケ", 2, 4, "少年層に特に人気がある"},
    {"渦巻く街", 2, 4, "今、世間の注目を浴びている"},
    {"満員電車は大変だ", 2, 1, "人気全然ナシ"},
    {kSharedEpicTitle, 2, 5, kSharedEpicComment},
    {"まちがいだらけの地球儀", 2, 4, "基本的に間違った作品"},
    {"遠洋漁船ひとすじ", 2, 5, "日本のﾉﾝﾌｨｸｼｮﾝ小説"},
    {"月曜日が来ない町", 2, 1, "打切り決定"},
    {"真夏の流行作家", 2, 3, "一時期人気が出ていた"},
    {"三ヶ月の命", 3, 1, "3ヶ月で発売終了"},
    {"硝子の灯台", 3, 3, "有名小説家の作品"},
    {"雨音の手紙", 3, 3, "一部に人気がある"},
    {"古本屋の店番ネコ", 3, 2, "古本屋で200円くらい"},
    {"ミミズクは夜に笑う", 4, 3, "最近話題のミミズクについて"},
    {"ゆうれい給食当番", 4, 5, "小学生に大人気"},
    {"秘密の八百屋", 4, 3, "最近話題の１作"},
    {"深夜放送の怪", 4, 2, "ラジオドラマ化決定！"},
    {"砂漠で泳ぐペンギン", 4, 4, "最近話題のこの１作"},
    {"百万回目の求婚", 4, 5, "大ベストセラー小説"},
    {"銀色の三輪車", 4, 5, "近頃話題の１作"},
    {"東京特許許可局", 4, 5, "一発で変換されました"},
    {"贋作鑑定委員会", 4, 3, "これも大丈夫でした"},
    {"ゆうげの献立帳", 4, 5, "国営放送の番組を小説化"},
    {"市長のひとりごと", 4, 1, "市長が書いた普及の名作"},
    {"裏通りの空き地", 4, 1, "残念ながら人気がない"},
    {"夢見る宇宙人", 4, 5, "大人気"},
    {"荒野の保安官ジョニー", 5, 2, "映画化しｱｶﾃﾞﾐﾐｰを独占"},
    {"蒸気機関車ポッポ号の旅", 5, 3, "なかなか人気を博した"},
    {kAdaptedNovelTitle, 5, 5, "実にユーモラスな作品である"},
    {"影の諜報部", 5, 2, "秘密スパイ組織の物語"},
    {"ニュースキャスターの告白", 2, 5, "ニュース番組で紹介された"},
    {kProductTitle, 5, 5, "ｹﾞｰﾑの制作記"},
    {"風見鶏の唄", 5, 2, "人気なし"},
    {"夜汽車と赤い傘", 5, 3, "最近ラジオで紹介された"},
};

}  // namespace

void AddClassLists() {
  for (const ClassRow& r : kPageFormats) AddPageFormat(r.text, r.points);
  for (const ClassRow& r : kAudiences) AddAudience(r.text, r.points);
  for (const ClassRow& r : kGenres) AddGenre(r.text, r.points);
}

void AddOtherMangaRows() {
  for (const OtherMangaRow& r : kOtherManga) AddOtherManga(r.title, r.fame, r.popularity, r.comment);
}

void AddNovels() {
  for (const NovelRow& r : kNovels) AddNovel(r.title, r.publisher, r.popularity, r.comment);
}

}  // namespace koratsu
