// The people of the world: assistant candidates, the artists of the monthly
// poll and the people of the personal-asset ranking.

#include <string_view>

#include "state/catalogues.h"
#include "state/game_state.h"

namespace koratsu {

void AddAsi(const Value& name, const Value& skill, const Value& point, const Value& picture) {
  GameState& g = State();
  rec::Assistant* row = Append(g.Assistant, g.AsiCount);
  if (!row) return;
  row->Name = name;
  row->Skill = skill;
  row->Point = point;
  row->Picture = picture;
}

void AddPollArtist(const Value& name, const Value& popularity) {
  GameState& g = State();
  rec::PollArtist* row = Append(g.PollArtist, g.PollArtistCount);
  if (!row) return;
  row->Name = name;
  row->Popularity = popularity;
}

void AddAssetRank(const Value& name, const Value& job, const Value& /*spare*/, const Value& assets) {
  GameState& g = State();
  rec::AssetRankEntry* row = Append(g.AssetRankEntry, g.AssetRankCount);
  if (!row) return;
  row->Name = name;
  row->Job = job;
  // The hourly drift's unit, fixed at the set-up.
  row->Growth = assets.Num() / 200000;
  row->Value = assets;
  row->Spare = 0;
}

namespace {

// Poll artists who also appear in the asset ranking as manga artists.
constexpr std::string_view kPollLeader = "鳳 ゲンジロウ";
constexpr std::string_view kPollFirst = "夢野 カケル";
constexpr std::string_view kPollNinth = "霧島 ヨウ";

struct AssistantRow {
  std::string_view name;
  const char* skill;
  int point;
  int picture;
};

constexpr AssistantRow kAssistants[] = {
    {"田坂 文太", "ぶきっちょ", 2, 1},
    {kAspiringArtistName, "センスがない", 2, 1},
    {"桐生 亜紀", "ピカイチ", 5, 2},
    {"森下 かおり", "まあまあ", 4, 2},
    {"中田 修", "普通", 3, 1},
    {"岩淵 大吾", "ﾘｱﾙなを描く", 3, 1},
    {"杉本 源五郎", "元人気漫画家", 4, 1},
    {"左近 みどり", "左手である", 3, 2},
    {"白石 まゆ", "かなりある", 4, 2},
    {"朝比奈 光", "ｱｲﾃﾞｱがよい", 3, 1},
    {kKarateAssistantName, "空手が強い", 2, 3},
    {"村雨 しずか", "かなりある", 5, 3},
    {"古川 吾作", "この道50年", 1, 3},
    {"タマキチ", "なし", 0, 1},
    {"花岡 ゆり", "ある", 4, 4},
    {"並木 ほのか", "ほどほど", 2, 4},
    {"御影 すみれ", "すごい", 6, 4},
    {"若松 千秋", "かなり", 4, 4},
    {"真壁 翔太", "ピカイチ", 5, 2},
};

struct PollRow {
  std::string_view name;
  int popularity;
};

// Row 0 is the player: the poll shows his name and gives him his own weight.
constexpr PollRow kPollArtists[] = {
    {"", 0},
    {kPollFirst, 75},
    {"竹中 ポン太", 40},
    {"星川 ミツル", 32},
    {"あおい 夏彦", 40},
    {"丸井 ごろう", 26},
    {kAspiringArtistName, 32},
    {"宇佐美 リン", 48},
    {"根岸 トオル", 42},
    {kPollNinth, 56},
    {"猫田 にゃん吉", 50},
    {"五十嵐 タケシ", 34},
    {"水無月 ハル", 52},
    {"東海林 マサ", 43},
    {"のぐち ペン", 35},
    {kPollLeader, 84},
};

struct AssetRow {
  std::string_view name;
  const char* job;
  double assets;
};

// Rows 1..99; row 0, the player, is added with the current money.
constexpr AssetRow kAssetRanking[] = {
    {"徳大寺 栄作", "大手銀行幹部", 412500000},
    {"森岡 ハルミ", "作曲家", 87300000},
    {"権藤 秀雄", "政治家", 653000000},
    {kPollFirst, "漫画家", 96400000},
    {kAspiringArtistName, "漫画家のタマゴ", 3600},
    {"西園寺 薫", "都市銀行総裁", 874120000},
    {"倉橋 謙三", "不動産会社社長", 936700000},
    {"金森 大造", "石油成金", 1325412000},
    {"田畑 源蔵", "地主", 1321212120},
    {"瀬戸口 慎之介", "映画監督", 245000000},
    {"鷹野 麗華", "女優", 58700000},
    {"宮路 清十郎", "電話会社会長", 1210101000},
    {"葛城 譲二", "格闘家", 12400000},
    {"大豪寺 金治", "高利貸し名誉会長", 1201010000},
    {"千石 陽介", "芸術家", 7800000},
    {"米倉 静香", "小説家", 134000000},
    {"乙部 鉄男", "馬主", 567890000},
    {"仙波 雅彦", "大手ﾃﾞﾊﾟｰﾄ社長", 1101210101},
    {"羽柴 宗一郎", "総会屋さん", 321000000},
    {"有馬 与志子", "投資家", 235010},
    {"真鍋 倫太郎", "ｹﾞｰﾑ作る人", 45600000},
    {"梶原 昌平", "ﾊﾟｿｺﾝ会社経営者", 1524100000},
    {"宝田 文子", "宝石商", 276500000},
    {"黒沼 恭平", "外科医", 189000000},
    {"南雲 正道", "内閣総理大臣", 365421},
    {"蓮見 千代", "茶道家元", 98700000},
    {"江波 太一", "野球選手", 312000000},
    {"柳沢 勘助", "家電会社社長", 1520000000},
    {"槇村 三郎", "高校教師", 500000},
    {"鶴見 直樹", "弁護士", 76500000},
    {"小笠原 鉄之助", "船主", 487000000},
    {"九条 あやめ", "歌手", 68000000},
    {"百瀬 銀次", "犯人", 580000},
    {"猪狩 大吉", "相撲取り", 32500000},
    {"大門 剛三", "不動産会社社長", 712000000},
    {"霜田 雪江", "占い師", 4500000},
    {"蔵前 徳兵衛", "骨董屋", 26800000},
    {"牧野 ひとみ", "ﾀﾚﾝﾄ", 145000000},
    {"相馬 一馬", "鉄道研究家", 999998750},
    {kKarateAssistantName, "格闘家", 48000000},
    {"杉浦 康夫", "大手銀行幹部", 389000000},
    {"土門 修造", "建築家", 234000000},
    {"八神 キヨシ", "ｻﾗﾘｰﾏﾝ", 760000},
    {"天童 龍之介", "政治家", 801000000},
    {"芦田 幸子", "料理研究家", 37200000},
    {"田丸 福松", "馬主", 623000000},
    {"間宮 玲二", "映画監督", 156000000},
    {"河合 ミドリ", "画商", 19800000},
    {"赤城 大五郎", "石油成金", 892000000},
    {"島袋 ゆかり", "歌手", 2300000},
    {"春日 義光", "出版社専務", 1010101245},
    {"日向 勇", "ﾌﾟﾛｺﾞﾙﾌｧｰ", 264000000},
    {"北村 源太", "漁師", 1200000},
    {"桑原 重蔵", "都市銀行総裁", 765000000},
    {"大沢 レイ", "作曲家", 178000000},
    {"福留 福子", "宝くじ当選者", 300000000},
    {"住吉 浪平", "投資家", 54300000},
    {"三雲 哲也", "大学教授", 23400000},
    {"鳴海 ジュン", "小説家", 88800000},
    {"久我 総一郎", "家電会社社長", 954000000},
    {"藤堂 権九郎", "総会屋さん", 467000000},
    {"神保 ひさし", "ｹﾞｰﾑ作る人", 15600000},
    {"菊池 トメ", "地主", 546000000},
    {"吉永 伝助", "寿司職人", 6300000},
    {"丹波 竜三", "政治家", 398000000},
    {"石動 マコト", "格闘家", 19100000},
    {"早瀬 みなみ", "女優", 207000000},
    {"弓削 宗純", "医者", 82000000},
    {"一条 隼人", "野球選手", 289000000},
    {"玉置 金之助", "ﾊﾟｿｺﾝ会社経営者", 1052410000},
    {"浅見 耕作", "芸術家", 41000000},
    {"東雲 リサ", "ﾃﾞｻﾞｲﾅｰ", 63500000},
    {"桐島 重光", "不動産会社社長", 845000000},
    {"佐伯 まどか", "弁護士", 118000000},
    {"湊 伝次郎", "大手銀行幹部", 529000000},
    {"榊 コウイチ", "映画監督", 34800000},
    {"滝沢 うめ", "商店主", 3700000},
    {"磯部 平八", "馬主", 92500000},
    {"宇田川 ジョージ", "ﾐｭｰｼﾞｼｬﾝ", 172000000},
    {kPollNinth, "漫画家", 29900000},
    {"米田 キク", "占い師", 17300000},
    {"熊谷 力", "相撲取り", 8400000},
    {"細井 孝之", "社長秘書", 11200000},
    {"武藤 鉄心", "空手道場主", 13900000},
    {"黒岩 金吾", "石油成金", 432000000},
    {"松平 鶴之丞", "名家の当主", 687000000},
    {"宮坂 茂", "会社員", 5200000},
    {"大垣 ツネ", "投資家", 71000000},
    {"小野寺 健吾", "外科医", 256000000},
    {"瀬川 アキラ", "ｹﾞｰﾑ作る人", 199000000},
    {"榎本 大輔", "俳優", 123000000},
    {"平賀 エレキ", "発明家", 66600000},
    {"中条 美鈴", "ﾓﾃﾞﾙ", 27700000},
    {kPollLeader, "漫画家", 421000000},
    {"越後屋 善兵衛", "呉服問屋", 777000000},
    {"多聞 ヤスシ", "ﾌﾟﾛﾚｽﾗｰ", 21000000},
    {"八重樫 ナミ", "小説家", 39500000},
    {"根津 忠吉", "骨董屋", 511000000},
    {"浦賀 ペリ夫", "船主", 61000000},
};

}  // namespace

void AddAssistants() {
  for (const AssistantRow& r : kAssistants) AddAsi(r.name, r.skill, r.point, r.picture);
}

void AddPollArtists() {
  for (const PollRow& r : kPollArtists) AddPollArtist(r.name, r.popularity);
}

void AddAssetRanking() {
  // The player's row: his name is written when the game starts.
  AddAssetRank("", "漫画家", 0, State().Kingaku);
  for (const AssetRow& r : kAssetRanking) AddAssetRank(r.name, r.job, 0, r.assets);
}

}  // namespace koratsu
