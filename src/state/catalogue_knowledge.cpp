// Knowledge items, the player's first knowledge points and the studio equipment.

#include "state/catalogues.h"
#include "state/game_state.h"
#include "state/random.h"

namespace koratsu {

void AddTiItem(const Value& id, const Value& name, const Value& points, const Value& valueFactor) {
  GameState& g = State();
  rec::KnowledgeItem* row = Append(g.KnowledgeItem, g.TiItemCount);
  if (!row) return;
  row->Id = id;
  row->Name = name;
  row->Point = points;
  row->Value = valueFactor;
  if (row->Point > 0) row->Known = 1;
}

namespace {

struct KnowledgeRow {
  int id;
  const char* name;
  double valueFactor;
};

// Ids are stable and not in row order; 42 is borne by two items ("医者" and "恋愛").
constexpr KnowledgeRow kKnowledgeItems[] = {
    {24, "企業戦士", 1},
    {87, "技術研究所", 1.2},
    {10, "ｻﾗﾘｰﾏﾝ", 1},
    {89, "古本屋", 1.1},
    {51, "消防士", 0.8},
    {34, "スパイ", 1.4},
    {84, "諜報部員", 1.4},
    {3, "警察官", 2},
    {95, "殺人事件", 1.2},
    {28, "漫画家", 1.2},
    {48, "小説家", 0.6},
    {42, "医者", 0.9},
    {4, "ギャング", 1.1},
    {5, "西部劇", 1.2},
    {6, "探偵物", 1.3},
    {7, "刑事物", 1.1},
    {11, "戦争", 0.5},
    {12, "中世", 0.6},
    {13, "冒険", 0.8},
    {14, "空手", 0.7},
    {15, "柔道", 0.7},
    {16, "プロレス", 0.2},
    {49, "ゴルフ", 0.8},
    {55, "野球", 1},
    {69, "野球監督", 1},
    {61, "ﾓｰﾀｰﾚｰｽ", 0.6},
    {70, "サッカー", 0.01},
    {62, "ｻｯｶｰのｺｰﾁ", 0.01},
    {81, "ﾊﾞｽｹｯﾄﾎﾞｰﾙ", 3},
    {29, "中国拳法", 1.4},
    {40, "F1レース", 1.1},
    {72, "自動車", 1.3},
    {17, "デパート", 1.5},
    {92, "ﾌｧｯｼｮﾝ", 1.1},
    {18, "ホテル", 1.6},
    {75, "コンビニ", 0.8},
    {19, "古代歴史", 0.6},
    {20, "近未来", 1.9},
    {93, "ﾊﾞｲｵ技術", 2},
    {94, "ｸﾛｰﾝ技術", 1.6},
    {21, "すし屋", 1.4},
    {82, "ラーメン", 2},
    {83, "調理", 1},
    {22, "パチンコ", 1.3},
    {23, "ギャンブル", 1},
    {9, "競馬", 1},
    {90, "牧場", 0.8},
    {91, "ｻﾗﾌﾞﾚｯﾄﾞ", 1.1},
    {25, "ﾆｭｰｽｷｬｽﾀｰ", 0.8},
    {26, "漫才", 0.6},
    {0, "機関車", 2},
    {1, "新幹線", 2},
    {80, "地下鉄", 2},
    {85, "飛行機", 1},
    {86, "滑走路", 1},
    {73, "ｽﾁｭﾜｰﾃﾞｽ", 1.3},
    {2, "宇宙", 2},
    {27, "ﾌｧﾝﾀｼﾞｰ", 1.2},
    {41, "魔法使い", 1.1},
    {30, "ロボット", 0.9},
    {32, "海賊", 1.1},
    {37, "神社", 1},
    {38, "お寺", 1},
    {39, "お城", 1},
    {42, "恋愛", 1.2},
    {54, "ラブコメ", 1.2},
    {76, "大学", 0.8},
    {77, "高校", 0.8},
    {78, "中学", 0.8},
    {79, "小学校", 0.8},
    {43, "世界旅行", 1},
    {44, "刑務所", 0.8},
    {45, "動物園", 1.1},
    {46, "飼育ドラマ", 0.8},
    {47, "盆栽", 0.5},
    {50, "トーナメント", 0.6},
    {52, "妖術使い", 1},
    {53, "妖怪", 1.4},
    {8, "お金持ち", 1.1},
    {56, "石油成金", 0.3},
    {59, "某 埋蔵金", 2},
    {60, "不良", 1},
    {63, "東京", 1.3},
    {64, "パソコン", 1.1},
    {57, "ｲﾝﾀｰﾈｯﾄ", 1.2},
    {58, "ハッカー", 1.3},
    {31, "ソフト開発", 1.3},
    {65, "テレビゲーム", 1.3},
    {88, "ゲームセンター", 1.3},
    {71, "SF", 2},
    {36, "タイムマシーン", 1.2},
    {35, "原始時代", 0.8},
    {74, "恐竜", 0.6},
    {33, "時代劇", 1.1},
    {66, "武士", 1.1},
    {67, "江戸商人", 1.1},
    {68, "将軍", 1.1},
};

struct EquipmentRow {
  const char* name;
  int point;
  int price;
};

constexpr EquipmentRow kEquipment[] = {
    {"コピー機", 3, 200000}, {"ファックス", 2, 210000}, {"パソコン", 4, 400000},
    {"スキャナー", 2, 190000}, {"プリンター", 2, 250000},
};

}  // namespace

void AddKnowledgeItems() {
  for (const KnowledgeRow& r : kKnowledgeItems) AddTiItem(r.id, r.name, 0, r.valueFactor);
}

void GiveFirstKnowledgePoints() {
  GameState& g = State();
  int chosen = 0;
  long long count = g.TiItemCount.Index();
  for (long long i = 0; i < count; ++i) {
    if (RndInt(10) != 0) continue;
    rec::KnowledgeItem& item = g.KnowledgeItem[i];
    item.Point = RndInt(10) + 4;
    if (item.Point > 0) item.Known = 1;
    if (++chosen == 5) break;
  }
}

void SetEquipment() {
  GameState& g = State();
  long long row = 0;
  for (const EquipmentRow& r : kEquipment) {
    rec::Equipment& e = g.Equipment[row++];
    e.Name = r.name;
    e.Point = r.point;
    e.Price = r.price;
  }
}

}  // namespace koratsu
