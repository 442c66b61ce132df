// The timed activities: training courses, outings and part-time jobs.

#include <string>

#include "state/catalogues.h"
#include "state/game_state.h"

namespace koratsu {

void AddSanpo(const Value& minutes, const Value& cost, const Value& option, const Value& name,
              const Value& shortStatus, const Value& statusText, const Value& statusDetail,
              const Value& id) {
  GameState& g = State();
  rec::SanpoPlace* row = Append(g.SanpoPlace, g.SanpoCount);
  if (!row) return;
  row->Minutes = minutes;
  row->Cost = cost;
  row->Option = option;
  row->Name = name;
  row->ShortStatus = shortStatus;
  row->StatusText = statusText;
  row->StatusDetail = statusDetail;
  row->Id = id;
}

void AddArubaito(const Value& minutes, const Value& pay, const Value& stamina, const Value& name,
                 const Value& shortStatus, const Value& statusText, const Value& statusDetail,
                 const Value& id) {
  GameState& g = State();
  rec::ArubaitoJob* row = Append(g.ArubaitoJob, g.ArubaitoCount);
  if (!row) return;
  row->Minutes = minutes;
  row->Pay = pay;
  row->Name = name;
  row->Stamina = stamina;
  row->ShortStatus = shortStatus;
  row->StatusText = statusText;
  row->StatusDetail = statusDetail;
  row->Id = id;
}

void AddSyugyou(const Value& minutes, const Value& fee, const Value& stamina, const Value& name,
                const Value& shortStatus, const Value& text, const Value& statusDetail,
                const Value& statusText, const Value& id) {
  GameState& g = State();
  rec::SyugyouCourse* row = Append(g.SyugyouCourse, g.SyugyouCount);
  if (!row) return;
  row->Minutes = minutes;
  row->Fee = fee;
  row->Stamina = stamina;
  row->Name = name;
  row->ShortStatus = shortStatus;
  row->Text = text;
  row->StatusDetail = statusDetail;
  row->StatusText = statusText;
  row->Id = id;
}

namespace {

// Training courses: the ability word and the id of the ability trained.
struct SyugyouRow {
  const char* ability;
  int id;
};

constexpr SyugyouRow kSyugyouCourses[] = {
    {"教養", 6}, {"発想力", 7}, {"知能", 8}, {"創造力", 9}, {"画力", 10},
};

struct SanpoRow {
  int id;
  const char* name;
  int minutes;
  int cost;
  int option;  // the default button of the outing's own panel
  const char* shortStatus;
  const char* statusText;
  const char* statusDetail;
};

constexpr SanpoRow kSanpoPlaces[] = {
    {1, "散歩する", 60, 0, 10, "散歩中", "散歩をしています", "散歩中"},
    {2, "本を買って読む", 60, 1000, 1, "読書中", "本を読んでいます", "読書中"},
    {3, "観戦に行く", 120, 3000, 18, "観戦中", "映画を見ています", "鑑賞中"},
    {4, "パチンコに行く", 90, 2000, 6, "パチンコ中", "パチンコをしています", "パチンコ中"},
    {5, "映画を見に行く", 120, 1800, 27, "鑑賞中", "映画を鑑賞しています", "鑑賞中"},
    {6, "社会科見学へ行く", 120, 3600, 24, "見学中", "社会科見学", "見学中"},
    {7, "ゲームセンターへ行く", 90, 2000, 16, "ゲーム中", "ｹﾞｰﾑｾﾝﾀｰへ行っています", "ゲーム中"},
    {8, "競馬へ行く", 60, 2000, 9, "競馬中", "競馬をしています", "競馬中"},
    {9, "博物館に行く", 90, 2500, 33, "見物中", "博物館を見学中です", "見学中"},
    {10, "買い物に行く", 60, 2000, 35, "買い物中", "買い物をしています", "買い物中"},
};

struct ArubaitoRow {
  int id;
  const char* name;
  int minutes;
  int pay;
  int stamina;
  const char* statusText;
};

constexpr ArubaitoRow kArubaitoJobs[] = {
    {1, "ﾌｧｰｽﾄﾌｰﾄﾞ店", 300, 3900, 4, "ﾌｧｰｽﾄﾌｰﾄﾞ店でｱﾙﾊﾞｲﾄ中"},
    {2, "テレビ局のA.D", 360, 20000, 4, "テレビ局でｱﾙﾊﾞｲﾄ中"},
    {3, "スポーツジム", 300, 15000, 4, "ｽﾎﾟｰﾂｼﾞﾑでｱﾙﾊﾞｲﾄ中"},
    {4, "食品会社", 240, 12000, 4, "食品会社でｱﾙﾊﾞｲﾄ中"},
    {5, "ﾊﾟｿｺﾝ会社", 360, 25000, 4, "ﾊﾟｿｺﾝ会社でｱﾙﾊﾞｲﾄ中"},
    {6, "映画撮影所", 360, 28000, 4, "映画撮影所でｱﾙﾊﾞｲﾄ中"},
    {7, "職業安定場", 420, 30000, 2, "職業安定場でｱﾙﾊﾞｲﾄ中"},
    {8, "遊園地", 240, 20000, 4, "遊園地でｱﾙﾊﾞｲﾄ中"},
    {9, "地下鉄工事", 360, 30000, 6, "地下鉄現場でｱﾙﾊﾞｲﾄ中"},
    {10, "ラーメン屋", 180, 10000, 4, "ラーメン屋でｱﾙﾊﾞｲﾄ中"},
    {11, "スパイ組織", 240, 50000, 4, "スパイ組織でｱﾙﾊﾞｲﾄ中"},
    {12, "お化け屋敷", 300, 14800, 4, "お化け屋敷でｱﾙﾊﾞｲﾄ中"},
    {13, "飛行場", 300, 24800, 4, "飛行場でｱﾙﾊﾞｲﾄ中"},
    {14, "文化施設", 240, 9000, 4, "文化施設でｱﾙﾊﾞｲﾄ中"},
    {15, "新技術研究所", 240, 25000, 4, "新技術研究所でｱﾙﾊﾞｲﾄ中"},
    {16, "ゲーム会社", 180, 6000, 4, "ゲーム会社でｱﾙﾊﾞｲﾄ中"},
    {17, "古本屋", 180, 4000, 2, "古本屋でｱﾙﾊﾞｲﾄ中"},
    {18, "警察署", 240, 10000, 4, "警察署でｱﾙﾊﾞｲﾄ中"},
    {19, "お城修復現場", 180, 20000, 5, "お城修復現場でｱﾙﾊﾞｲﾄ中"},
    {20, "牧場", 300, 18000, 4, "牧場でｱﾙﾊﾞｲﾄ中"},
    {21, "渋谷のﾌｧｯｼｮﾝ店", 180, 21000, 4, "渋谷のﾌｧｯｼｮﾝ店でｱﾙﾊﾞｲﾄ中"},
    {22, "ﾊﾞｲｵ研究所", 180, 14000, 4, "ﾊﾞｲｵ研究所でｱﾙﾊﾞｲﾄ中"},
};

}  // namespace

void AddSyugyouCourses() {
  // Every course: 600 minutes, a fee of 3000 yen, 5 stamina points, no short status.
  for (const SyugyouRow& r : kSyugyouCourses) {
    std::string a = r.ability;
    AddSyugyou(600, 3000, 5, a + "の修行をする", "", a + "の修行をします。" + a + "を上げることができます。",
               a + "の修行中", a + "の修行をします", r.id);
  }
}

void AddSanpoPlaces() {
  for (const SanpoRow& r : kSanpoPlaces)
    AddSanpo(r.minutes, r.cost, r.option, r.name, r.shortStatus, r.statusText, r.statusDetail, r.id);
}

void AddArubaitoJobs() {
  for (const ArubaitoRow& r : kArubaitoJobs)
    AddArubaito(r.minutes, r.pay, r.stamina, r.name, "バイト中", r.statusText, "ｱﾙﾊﾞｲﾄしています",
                r.id);
}

}  // namespace koratsu
