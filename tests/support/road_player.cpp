#include "support/road_player.h"

#include <algorithm>

#include "production/settings_editor.h"
#include "shell/commands.h"
#include "state/game_state.h"
#include "state/yes_no.h"
#include "support/settings_player.h"
#include "ui/forms.h"

namespace koratsu::testing {

namespace {

// The captions of the sending window's buttons, by their index.
const char* SendCaption(int button) {
  switch (button) {
    case 0: return "出版社に送る";
    case 1: return "出版社に持込み";
    default: return "今はやめておく";
  }
}

}  // namespace

RoadPlayer::RoadPlayer(ScriptedUi& ui, shell::MainScreen& screen) : screen_(screen), windows_(ui, screen, answers_) {
  // Questions the road does not expect are answered no.
  answers_.AnswerAll(yes_no::kNo);
  ui.On(form::kSettingsEditor, [this] {
    windows_.Load(form::kSettingsEditor);
    for (size_t k = 0; k < settings_.size(); ++k) PlanSetting(static_cast<int>(k), settings_[k].item, settings_[k].ticks);
    planned_ = StartProduction(audience_, genre_);
  });
}

void RoadPlayer::Sync() {
  answers_.Choose(form::kArubaito, "job", job_)
      .Press(form::kFinishedWork, {SendCaption(sendButton)})
      .Choose(form::kContestPost, "magazine", magazineRow)
      .Choose(form::kContestPost, "work", workRow)
      .AnswerIn(form::kContestPost, postAnswer);
  windows_.Context().title = title;
}

bool RoadPlayer::RunClockUntil(const std::function<bool()>& done, int limit) {
  Sync();
  for (int events = 0; events < limit; ++events) {
    if (done()) return true;
    timer_.Event(screen_);
    windows_.RunWindowTimers();
  }
  return done();
}

void RoadPlayer::DoArubaito(int job) {
  job_ = job;
  Sync();
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
  Sync();
  shell::RunCommand(shell::Command::NewManga, screen_);
  return planned_;
}

bool RoadPlayer::WorkUntilNamed(int limit) {
  const Value works = State().MangaCount;
  Sync();
  shell::RunCommand(shell::Command::Sigotosuru, screen_);
  return RunClockUntil([&works] { return State().MangaCount > works || State().GameActive != 1; }, limit) &&
         State().MangaCount > works;
}

}  // namespace koratsu::testing
