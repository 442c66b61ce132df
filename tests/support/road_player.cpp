#include "support/road_player.h"

#include <algorithm>

#include "life/activity_windows.h"
#include "life/arubaito.h"
#include "life/points_gained.h"
#include "production/naming.h"
#include "production/schedule.h"
#include "production/settings_editor.h"
#include "production/working.h"
#include "publishing/contest.h"
#include "publishing/submission_lists.h"
#include "shell/commands.h"
#include "state/game_state.h"
#include "support/settings_player.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"

namespace koratsu::testing {

namespace {

// Where the player leaves the activity windows when they close.
constexpr WindowPlace kActivityPlace{1200, 2400};
// Ticks of the points-gained window: enough for every row to move in.
constexpr int kPointsGainedSteps = 12;

}  // namespace

RoadPlayer::RoadPlayer(ScriptedUi& ui, shell::MainScreen& screen) : ui_(ui), screen_(screen) {
  ui.On(form::kArubaito, [this] {
      OpenArubaito();
      ChooseArubaito(job_);
      StartArubaito(job_);
    })
      .On(form::kArubaitoProgress, ActivityWindowLoaded)
      .OnUnload(form::kArubaitoProgress, [] { ActivityWindowClosed(kActivityPlace); })
      .On(form::kPointsGained, [] {
        LoadPointsGained();
        for (int step = 0; step < kPointsGainedSteps; ++step) PointsGainedStep();
      })
      .OnUnload(form::kPointsGained, ClosePointsGained)
      .On(form::kArubaitoEnd, PayArubaito)
      .On(form::kNewMangaChoice, [] { ui::Show(form::kSettingsEditor, ui::Modal); })  // オリジナルストーリー
      .On(form::kSettingsEditor, [this] {
        OpenSettingsEditor();
        for (size_t k = 0; k < settings_.size(); ++k)
          PlanSetting(static_cast<int>(k), settings_[k].item, settings_[k].ticks);
        planned_ = StartProduction(audience_, genre_);
      })
      .On(form::kSchedule, [] {
        OpenSchedule();
        ConfirmSchedule();
      })
      .OnUnload(form::kSchedule, CloseSchedule)
      .On(form::kWorking, OpenWorking)
      .OnUnload(form::kWorking, [] { CloseWorking(kActivityPlace); })
      .On(form::kWorkTitle, [this] {
        WorkTitleLoaded();
        const TitleOutcome outcome = NameFinishedWork(title);
        if (outcome == TitleOutcome::Refused) return;
        ui::Unload(form::kWorkTitle);
        if (outcome == TitleOutcome::Recorded) SendNamedWorkOn();
      })
      .OnUnload(form::kWorkTitle, WorkTitleClosed)
      .On(form::kFinishedWork, [this] {
        AdvanceTutorial(9);
        ui::Unload(form::kFinishedWork);
        SendFinishedWork(sendButton);
      })
      .On(form::kContestPost, [this] {
        OpenContestPost();
        SelectSubmissionMagazine(0);
        SelectSubmissionWork(0);
        SelectSubmissionMagazine(magazineRow);
        SelectSubmissionWork(workRow);
        ui_.AnswerYesNo({postAnswer});
        PostSelectedWork();
      })
      .On(form::kPostingAnimation, [] {
        int left = kEnvelopeLeft;
        while (!MoveEnvelope(left)) {
        }
      });
}

bool RoadPlayer::RunClockUntil(const std::function<bool()>& done, int limit) {
  for (int events = 0; events < limit; ++events) {
    if (done()) return true;
    timer_.Event(screen_);
  }
  return done();
}

void RoadPlayer::DoArubaito(int job) {
  job_ = job;
  shell::RunCommand(shell::Command::Arubaito, screen_);
  RunClockUntil([] { return State().KoudouMode == 0 || State().GameActive != 1; });
}

std::vector<int> RoadPlayer::BestKnowledge(int count) const {
  const GameState& g = State();
  std::vector<int> items;
  for (int i = 0; i < g.TiItemCount.Index(); ++i)
    if (g.KnowledgeItem[i].Point > 0) items.push_back(i);
  std::stable_sort(items.begin(), items.end(),
                   [&g](int a, int b) { return g.KnowledgeItem[a].Point > g.KnowledgeItem[b].Point; });
  if (static_cast<int>(items.size()) > count) items.resize(static_cast<size_t>(count));
  return items;
}

bool RoadPlayer::PlanWork(const std::vector<Setting>& settings, int audience, int genre) {
  settings_ = settings;
  audience_ = audience;
  genre_ = genre;
  planned_ = false;
  shell::RunCommand(shell::Command::NewManga, screen_);
  return planned_;
}

bool RoadPlayer::WorkUntilNamed(int limit) {
  const Value works = State().MangaCount;
  shell::RunCommand(shell::Command::Sigotosuru, screen_);
  return RunClockUntil([&works] { return State().MangaCount > works || State().GameActive != 1; }, limit) &&
         State().MangaCount > works;
}

}  // namespace koratsu::testing
