#include "life/outing.h"

#include "life/activity_windows.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/money.h"
#include "state/time_text.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

// What an option button sets; 0 leaves that value as it is.
struct OptionEffect {
  int choice;
  int minutes;
  int cost;
};

// By button index. The walk, the books and the game centre set nothing: the
// clock reads no sub-choice for them.
constexpr OptionEffect kOptionEffects[kOutingOptionCount] = {
    {0, 0, 0},          // 0 小説
    {0, 0, 0},          // 1 漫画
    {0, 0, 0},          // 2 辞書
    {0, 0, 0},          // 3 専門書
    {0, 120, 20000},    // 4 パチンコ 20,000円
    {0, 60, 10000},     // 5 パチンコ 10,000円
    {0, 30, 2000},      // 6 パチンコ 2,000円
    {0, 45, 5000},      // 7 パチンコ 5,000円
    {0, 90, 5000},      // 8 競馬 5,000円
    {0, 60, 2000},      // 9 競馬 2,000円
    {0, 0, 0},          // 10 近所を散歩する
    {0, 0, 0},          // 11 遠くに散歩へ行く
    {0, 120, 10000},    // 12 競馬 10,000円
    {0, 180, 20000},    // 13 競馬 20,000円
    {2, 0, 0},          // 14 ｻｯｶｰ
    {0, 0, 0},          // 15 パズル
    {0, 0, 0},          // 16 格闘ｹﾞｰﾑ
    {0, 0, 0},          // 17 UFOｷｬｯﾁｬｰ
    {1, 0, 0},          // 18 野球
    {4, 0, 0},          // 19 F1ﾚｰｽ
    {5, 0, 0},          // 20 プロレス
    {3, 0, 0},          // 21 ゴルフ
    {6, 0, 0},          // 22 中国拳法
    {3, 0, 0},          // 23 証券取引場
    {1, 0, 0},          // 24 自動車工場
    {4, 0, 0},          // 25 ラブコメ
    {3, 0, 0},          // 26 格闘
    {1, 0, 0},          // 27 SF
    {2, 0, 0},          // 28 時代劇
    {2, 0, 0},          // 29 テレビ局
    {4, 0, 0},          // 30 鉄道会社
    {3, 0, 0},          // 31 鉄道博物館
    {2, 40, 2500},      // 32 大型ｽｰﾊﾟｰ
    {1, 0, 0},          // 33 江戸博物館
    {2, 0, 0},          // 34 恐竜博物館
    {1, 20, 1240},      // 35 コンビニ
    {3, 60, 65000},     // 36 高級デパート
};

bool IsOuting(int row) { return row >= 0 && State().SanpoCount > row; }

}  // namespace

OutingTexts DescribeOuting() {
  const GameState& g = State();
  return {FormatMinutes(g.KoudouMinutesLeft), FormatKingaku(g.KoudouCost) + "円"};
}

void OpenOuting() {
  GameState& g = State();
  g.SpareSanpoValue = 0;
  g.SanpoAnimFrame = 0;
  g.SanpoKind = 0;
  g.KoudouCost = 0;
  g.KoudouMinutesLeft = 0;
}

void ChooseOuting(int row) {
  if (!IsOuting(row)) return;
  GameState& g = State();
  const rec::SanpoPlace& place = g.SanpoPlace[row];
  g.SanpoKind = place.Id;
  g.SanpoAnimFrame = 0;
  g.SanpoFrameShown = g.SanpoKind;
  g.KoudouMinutesLeft = place.Minutes;
  g.KoudouCost = place.Cost;
  ChooseOutingOption(static_cast<int>(place.Option.Index()));
  g.SanpoPendingStatus[0] = place.StatusDetail;
  g.SanpoPendingStatus[1] = place.StatusText;
}

void ChooseOutingOption(int index) {
  if (index < 0 || index >= kOutingOptionCount) return;
  const OptionEffect& effect = kOptionEffects[index];
  GameState& g = State();
  if (effect.choice != 0) g.SanpoChoice = effect.choice;
  if (effect.minutes != 0) {
    g.KoudouMinutesLeft = effect.minutes;
    g.KoudouCost = effect.cost;
  }
}

bool StartOuting() {
  GameState& g = State();
  // The last yen may be spent; with debts not even the free walk is allowed.
  if (g.Kingaku - g.KoudouCost < 0) {
    ui::ShowMessage("お金が足りません。");
    return false;
  }
  g.SanpoAnimFrame = 0;
  AddKingaku(-g.KoudouCost);
  StartTimedActivity(koudou_mode::kOuting, g.SanpoPendingStatus[1], g.SanpoPendingStatus[0], g.KoudouMinutesLeft,
                     form::kOuting, form::kOutingProgress);
  return true;
}

}  // namespace koratsu
