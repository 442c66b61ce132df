#include "life/training.h"

#include "life/activity_windows.h"
#include "life/experience.h"
#include "life/points_gained.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/money.h"
#include "state/random.h"
#include "state/time_text.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

// The experience of a training that could raise its ability.
constexpr int kTrainingExperience = 4;
// The points-gained window takes at most ten rows.
constexpr int kLastResultRow = 9;

// Each course's kind and the number of the ability it trains in an ability row.
struct Course {
  int kind;
  int ability;
};
constexpr Course kCourses[] = {{6, 1}, {7, 2}, {8, 3}, {9, 4}, {10, 0}};

bool IsCourse(int row) { return row >= 0 && State().SyugyouCount > row; }

}  // namespace

SyugyouTexts DescribeSyugyou(int row) {
  if (!IsCourse(row)) return {};
  const rec::SyugyouCourse& course = State().SyugyouCourse[row];
  return {course.Text.Str(), FormatMinutes(course.Minutes), FormatKingaku(course.Fee) + "円",
          Join("-", course.Stamina, "ﾎﾟｲﾝﾄ")};
}

void OpenSyugyou() {
  GameState& g = State();
  g.SyugyouOn = 0;
  g.SyugyouAnimFrame = 0;
  g.SyugyouKind = 0;
  g.KoudouCost = 0;
  g.KoudouMinutesLeft = 0;
}

void ChooseSyugyou(int row) {
  if (!IsCourse(row)) return;
  GameState& g = State();
  g.SyugyouOn = 0;
  g.SyugyouIndex = row;
  g.SyugyouKind = g.SyugyouCourse[row].Id;
}

bool StartSyugyou(int row) {
  if (!IsCourse(row)) return false;
  GameState& g = State();
  const rec::SyugyouCourse& course = g.SyugyouCourse[row];
  if (g.Kingaku - course.Fee < 0) {
    ui::ShowMessage("お金が足りません。");
    return false;
  }
  // Training may never bring stamina down to 0.
  if (g.Stamina - course.Stamina <= 0) {
    ui::ShowMessage("体力のﾎﾟｲﾝﾄが足りません。");
    return false;
  }
  g.Stamina -= course.Stamina;
  g.SyugyouOn = 1;
  AddKingaku(-course.Fee);
  StartTimedActivity(koudou_mode::kSyugyou, course.StatusText, course.StatusDetail, course.Minutes, form::kTraining,
                     form::kTrainingProgress);
  return true;
}

void SyugyouGains(const Value& kind) {
  const Course* course = nullptr;
  for (const Course& c : kCourses)
    if (kind == c.kind) course = &c;
  if (!course) return;
  GameState& g = State();
  const Ability& ability = *AbilityOf(course->ability);
  if (!(g.*ability.value < g.*ability.cap)) return;

  AddExperience(kTrainingExperience);
  // The chance is drawn whatever the rows hold; the rise only when it passed.
  const bool rises = RndInt(2) != 0;
  if (!rises || g.ResultLineCount > kLastResultRow) return;
  rec::ResultLine& line = g.ResultLine[g.ResultLineCount];
  line.Field = course->ability;
  line.Gain = RndInt(5) + 2;
  g.ResultLineCount += 1;
}

}  // namespace koratsu
