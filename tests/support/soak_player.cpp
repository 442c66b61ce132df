#include "support/soak_player.h"

#include <filesystem>
#include <random>
#include <fstream>
#include <sstream>
#include <tuple>
#include <utility>

#include "save/schema.h"
#include "save/writer.h"
#include "shell/save_load.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"
#include "ui/ui.h"

namespace koratsu::testing {

namespace {

using shell::Command;

struct WeightedCommand {
  Command command;
  int weight;
};

// What the player does when nothing runs, how often. Commands of windows
// that are not built yet come too: the player closes what he cannot play.
constexpr WeightedCommand kCommands[] = {
    {Command::Sigotosuru, 12}, {Command::NewManga, 6},     {Command::Arubaito, 4},     {Command::Sanpo, 3},
    {Command::Syugyou, 3},     {Command::MangaOkuru, 4},   {Command::Sukezyuru, 2},    {Command::DouguKounyu, 1},
    {Command::GetAsi, 1},      {Command::AsiKaiko, 1},     {Command::Hikkosi, 1},      {Command::TiPoint, 1},
    {Command::ImamadeManga, 1}, {Command::Kanseido, 1},    {Command::SyuppanYukou, 1}, {Command::VisualWindow, 1},
    {Command::Info2, 1},       {Command::HelpVersion, 1},  {Command::HelpGame, 1},     {Command::KozinRanc, 1},
    {Command::ComicRank, 1},   {Command::Torofi, 1},       {Command::Motikomu, 1},     {Command::MangaRSyuuryou, 1},
};

// The windows the player looks at and closes again at a later turn, one
// turn in this many.
constexpr int kGlancedWindows[] = {form::kComicsRanking, form::kAssetRanking};
constexpr int kCloseGlancedOdds = 2;

// Turns without time passing, after which the player goes to his desk.
constexpr int kMostIdleTurns = 12;
// The stamina at which the game warns the player.
constexpr double kTiredStamina = 5;
// The longest stretch at the desk before the player thinks again, in hours.
constexpr int kLongestStretch = 60;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// Which game hour it is: a change means an hour has passed.
auto Hour(const GameState& g) { return std::make_tuple(g.GameYear.Num(), g.GameMonth.Num(), g.GameDay.Num(), g.GameHour.Num()); }

}  // namespace

SoakPlayer::SoakPlayer(Scenario& scenario, const Options& options)
    : s_(scenario), options_(options), choices_(options.seed * 7919 + 13) {
  s_.windows.SetChooser(choices_);
}

void SoakPlayer::Play(long long hoursWanted, const Hooks& hooks) {
  while (hours < hoursWanted) {
    if (s_.g.GameActive != 1) {
      StartGame(hooks);
      continue;
    }
    // Saving and loading are not offered during the tutorial.
    if (options_.saveOdds > 0 && choices_.Draw(options_.saveOdds) == 0 && !TutorialRunning()) SaveAndLoad();
    if (s_.g.GameActive == 1 && s_.g.KoudouMode == koudou_mode::kNone) {
      GiveCommand();
      if (s_.g.KoudouMode == koudou_mode::kNone) continue;
    }
    LetTimeRun(hoursWanted, hooks);
  }
}

void SoakPlayer::StartGame(const Hooks& hooks) {
  if (endsSeen_ < games) {
    ++endsSeen_;
    const std::vector<int> shown = s_.ui.Shown();
    int last = 0;
    for (int form : shown)
      if (form == form::kGameOver || form == form::kEnding || form == form::kTutorialStartEnd) last = form;
    ++ends[form::Name(last) + (last == form::kGameOver ? " cause " + s_.g.GameOverCause.Str() : "")];
  }
  s_.ui.Clear();
  s_.Run(choices_.Draw(5) == 0 ? Command::ChuutoRiaru : Command::NewGame);
  if (s_.g.GameActive != 1) return;
  ++games;
  idleTurns_ = 0;
  if (hooks.newGame) hooks.newGame();
}

void SoakPlayer::GiveCommand() {
  for (int form : kGlancedWindows)
    if (s_.ui.IsLoaded(form) && choices_.Draw(kCloseGlancedOdds) == 0) s_.windows.Press(form, kCloseBox);
  ++commands;
  if (++idleTurns_ > kMostIdleTurns) {
    s_.Run(Command::Sigotosuru);
    return;
  }
  int total = 0;
  for (const WeightedCommand& c : kCommands) total += c.weight;
  int pick = choices_.Draw(total);
  for (const WeightedCommand& c : kCommands) {
    pick -= c.weight;
    if (pick >= 0) continue;
    s_.Run(c.command);
    return;
  }
}

void SoakPlayer::LetTimeRun(long long hoursWanted, const Hooks& hooks) {
  idleTurns_ = 0;
  GameState& g = s_.g;
  const bool working = g.KoudouMode == koudou_mode::kWork;
  const long long stretch = working ? 1 + choices_.Draw(kLongestStretch) : kLongestStretch * 10;
  long long passed = 0;
  auto hour = Hour(g);
  while (g.GameActive == 1 && g.KoudouMode != koudou_mode::kNone && passed < stretch && hours < hoursWanted) {
    if (!s_.ui.ClockRunning()) {
      problems_.push_back("the clock stood still in a running game, at " + std::to_string(g.GameMonth.Num()) + "/" +
                          std::to_string(g.GameDay.Num()) + " " + std::to_string(g.GameHour.Num()) + ":00");
      ui::ResumeClock();
    }
    s_.TimerEvent();
    ++events;
    if (g.GameActive != 1 || Hour(g) == hour) continue;
    hour = Hour(g);
    ++passed;
    ++hours;
    if (hooks.everyHour) hooks.everyHour();
    // What the windows and the main window were asked is not kept past the hour.
    s_.ui.Clear();
    s_.screen.calls.clear();
    TakeCare();
  }
  // Enough of the desk for now.
  if (g.GameActive == 1 && working && g.KoudouMode == koudou_mode::kWork && choices_.Draw(3) == 0)
    s_.windows.Press(form::kWorking, "ストップ");
}

// Warned of his stamina at the hardest pace, the player mostly takes it easier.
void SoakPlayer::TakeCare() {
  const GameState& g = s_.g;
  if (g.GameActive != 1 || g.Stamina > kTiredStamina || g.SukezyuruType != 3 || choices_.Draw(4) == 0) return;
  FixedChoices easier;
  easier.Press(form::kSchedule, {"普通に", "決定"});
  s_.windows.SetChooser(easier);
  s_.Run(Command::Sukezyuru);
  s_.windows.SetChooser(choices_);
}

void SoakPlayer::SaveAndLoad() {
  namespace fs = std::filesystem;
  const fs::path folder = options_.folder.empty() ? fs::temp_directory_path() : fs::path(options_.folder);
  // A name of this run's own: two runs of one seed at once (two test
  // processes) must not write over each other's file.
  static const unsigned run = std::random_device{}();
  const std::string path =
      (folder / ("koratsu_soak_" + std::to_string(options_.seed) + "_" + std::to_string(run) + ".krt")).string();
  s_.ui.AnswerFileDialog(path);
  s_.Run(Command::SaveGame);
  ++saves;
  const std::string written = ReadBytes(path);
  if (written.find(std::string("\n\"") + save::kVolumeExtensionTag + "\",") != std::string::npos) ++extendedSaves;
  std::unique_ptr<GameState> loaded = shell::ReadGameFile(path);
  if (!loaded) {
    problems_.push_back("a saved game did not load: " + path);
    return;
  }
  std::string again;
  save::SaveFileBytes(*loaded, again);
  if (again != written) {
    std::size_t at = 0;
    while (at < again.size() && at < written.size() && again[at] == written[at]) ++at;
    problems_.push_back("a loaded game saves other bytes, from byte " + std::to_string(at) + " on");
  }
  shell::StartLoadedGame(std::move(loaded), s_.screen);
  std::error_code ignored;
  fs::remove(path, ignored);
}

}  // namespace koratsu::testing
