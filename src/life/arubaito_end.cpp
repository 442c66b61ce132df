// The end of a part-time job: its knowledge gains and its pay.

#include <optional>
#include <span>

#include "life/activity.h"
#include "life/arubaito.h"
#include "life/knowledge_gain.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

struct JobLine {
  std::span<const int> items;  // empty: any item may rise
  long gainRange;
  int gainBase;
};

constexpr int kTvStation[] = {26, 25, 63};
constexpr int kGym[] = {81, 14, 15, 16, 49};
constexpr int kFoodCompany[] = {14, 15, 16, 49};
constexpr int kComputerCompany[] = {63, 64, 57, 58, 31, 65, 71, 36, 30, 27};
constexpr int kFilmStudio[] = {95, 4, 5, 6, 7, 11, 12, 13, 29, 19, 20, 27, 32,
                               37, 38, 39, 42, 54, 59, 60, 74, 33, 66, 67, 68};
constexpr int kEmploymentOffice[] = {24, 10, 51, 34, 3, 28, 48, 42, 4, 21, 25, 2, 32, 8};
constexpr int kAmusementPark[] = {34, 4, 5, 12, 13, 18, 27, 41, 30, 32, 52, 53, 74};
constexpr int kSubway[] = {0, 1, 80};
constexpr int kRamenShop[] = {21, 82, 83};
constexpr int kSpies[] = {34, 84, 4, 7, 6};
constexpr int kHauntedHouse[] = {95, 53, 52, 50, 33, 38, 39, 41};
constexpr int kAirport[] = {85, 86, 73, 2};
constexpr int kCulturalHall[] = {38, 39, 59, 47, 33, 66, 67, 68, 19, 20};
constexpr int kResearchLab[] = {87, 36, 71, 31, 64, 30, 24};
constexpr int kGameCompany[] = {31, 65, 88, 64};
constexpr int kSecondhandBooks[] = {89, 28, 48};
constexpr int kPolice[] = {95, 84, 3, 4, 6, 7};
constexpr int kCastle[] = {68, 67, 66, 33, 59};
constexpr int kRanch[] = {9, 90, 91};
constexpr int kFashion[] = {92, 17};
constexpr int kBioLab[] = {93, 94, 92};

// By ArubaitoKind 1 to 22. The fast-food job alone may teach anything, at
// one chance in 30; every other job teaches its own items at one in 2.
const JobLine kJobs[] = {
    {{}, 2, 1},                  // ﾌｧｰｽﾄﾌｰﾄﾞ店
    {kTvStation, 3, 2},          // テレビ局のA.D
    {kGym, 3, 2},                // スポーツジム
    {kFoodCompany, 3, 2},        // 食品会社
    {kComputerCompany, 3, 2},    // ﾊﾟｿｺﾝ会社
    {kFilmStudio, 3, 2},         // 映画撮影所
    {kEmploymentOffice, 3, 2},   // 職業安定場
    {kAmusementPark, 5, 3},      // 遊園地
    {kSubway, 3, 2},             // 地下鉄工事
    {kRamenShop, 3, 2},          // ラーメン屋
    {kSpies, 3, 2},              // スパイ組織
    {kHauntedHouse, 3, 2},       // お化け屋敷
    {kAirport, 3, 2},            // 飛行場
    {kCulturalHall, 3, 2},       // 文化施設
    {kResearchLab, 4, 1},        // 新技術研究所
    {kGameCompany, 4, 2},        // ゲーム会社
    {kSecondhandBooks, 5, 3},    // 古本屋
    {kPolice, 5, 3},             // 警察署
    {kCastle, 4, 3},             // お城修復現場
    {kRanch, 4, 3},              // 牧場
    {kFashion, 4, 3},            // 渋谷のﾌｧｯｼｮﾝ店
    {kBioLab, 4, 3},             // ﾊﾞｲｵ研究所
};

std::optional<KnowledgeGainRule> JobRule(const Value& kind) {
  for (int k = 1; k <= static_cast<int>(std::size(kJobs)); ++k) {
    if (kind != k) continue;
    const JobLine& line = kJobs[k - 1];
    const bool anyItem = line.items.empty();
    return KnowledgeGainRule{anyItem ? 30L : 2L, anyItem, anyItem, line.items, line.gainRange, line.gainBase};
  }
  return std::nullopt;
}

}  // namespace

void EndArubaito() {
  if (!ActivityTimeUp(koudou_mode::kArubaito)) return;
  GameState& g = State();
  KnowledgeGains(JobRule(g.ArubaitoKind));
  // The points come before the pay, while the job's window is still open.
  if (g.ResultLineCount > 0) {
    g.FormSlot[form::kPointsGained].Param = 0;
    ui::Show(form::kPointsGained, ui::Modal);
  }
  StopTimedActivity(form::kArubaitoProgress);
  // The job-ended window pays the job's pay, kept since the start.
  ui::Show(form::kArubaitoEnd, ui::Modal);
}

}  // namespace koratsu
