#include "support/scenario.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "save/writer.h"
#include "shell/game_flow.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu::testing {

namespace {

std::string SaveText(const GameState& g) {
  std::string bytes;
  save::SaveFileBytes(g, bytes);
  return bytes;
}

}  // namespace

// The seeded generator, with draws of some ranges forced.
class Scenario::Generator : public RandomSource {
 public:
  Generator(std::uint64_t seed, bool keepSeed) : inner_(seed), keepSeed_(keepSeed) {}
  double Next(long range) override {
    const double drawn = inner_.Next(range);
    auto forced = forced_.find(range);
    if (forced == forced_.end() || range <= 0) return drawn;
    return (static_cast<double>(forced->second) + 0.5) / static_cast<double>(range);
  }
  void Seed(std::uint64_t seed) override {
    if (!keepSeed_) inner_.Seed(seed);
  }
  std::map<long, long> forced_;

 private:
  SeededRandom inner_;
  bool keepSeed_;
};

Scenario::Scenario(const ScenarioStart& start)
    : random_(std::make_unique<Generator>(start.seed, start.keepSeed)),
      g(fresh_.g()),
      clock(start.time, start.timer),
      windows(ui, screen, answers) {
  SetComputerClock(&clock);
  if (start.builtInGenerator) {
    random_.reset();
    SetRandomSource(nullptr);
    CurrentRandomSource().Seed(start.seed);
  } else {
    SetRandomSource(random_.get());
  }
  shell::SetProgramValues();
}

Scenario::~Scenario() {
  SetRandomSource(nullptr);
  SetComputerClock(nullptr);
}

bool Scenario::NewGame(const std::string& name) {
  windows.Context().playerName = name;
  Run(shell::Command::NewGame);
  return g.GameActive == 1 && g.PlayerSei == Value(name);
}

void Scenario::ForceDraws(long range, long result) {
  if (!random_) {
    std::fputs("Scenario::ForceDraws: the built-in generator cannot force draws\n", stderr);
    std::abort();
  }
  random_->forced_[range] = result;
}

void Scenario::Run(shell::Command command) { shell::RunCommand(command, screen); }

void Scenario::TimerEvent() {
  timer.Event(screen);
  windows.RunWindowTimers();
}

bool Scenario::RunUntil(const std::function<bool()>& done, int limit) {
  for (int events = 0; events < limit; ++events) {
    if (done()) return true;
    TimerEvent();
  }
  return done();
}

bool Scenario::RunUntilTheGameEnds(int limit) {
  return RunUntil([this] { return g.GameActive != 1; }, limit);
}

std::string Scenario::QuietAfterTitle(int events) {
  std::string found;
  auto note = [&found](const std::string& what) { found += (found.empty() ? "" : "; ") + what; };
  if (g.GameActive != 0) note("the game still runs");
  if (ui.ClockRunning()) note("the clock runs");
  for (int form : form::kAll)
    if (ui.IsLoaded(form)) note(form::Name(form) + " is open");

  const auto before = std::make_unique<GameState>(g);
  const std::size_t uiEvents = ui.Events().size();
  const std::string caption = screen.caption;
  for (int e = 0; e < events; ++e) TimerEvent();

  for (std::size_t i = uiEvents; i < ui.Events().size(); ++i) {
    const UiEvent& e = ui.Events()[i];
    note("a timer event showed something (kind " + std::to_string(e.kind) + ", " + form::Name(e.form) + " " +
         e.text + ")");
    break;
  }
  if (screen.caption != caption) note("the caption became " + screen.caption);
  // The timer keeps its status line turning; a closing window may have
  // asked for the main window to come forward.
  const auto after = std::make_unique<GameState>(g);
  after->StatusBarTick = before->StatusBarTick;
  after->StatusBarText = before->StatusBarText;
  after->ResumeRequest = before->ResumeRequest;
  const std::string changed = StateDifference(*before, *after);
  if (!changed.empty()) note("a game value changed: " + changed);
  return found;
}

std::string StateDifference(const GameState& before, const GameState& after) {
  const auto* a = reinterpret_cast<const unsigned char*>(&before);
  const auto* b = reinterpret_cast<const unsigned char*>(&after);
  std::size_t at = 0;
  while (at < sizeof(GameState) && a[at] == b[at]) ++at;
  if (at == sizeof(GameState)) return {};
  std::string where = "byte " + std::to_string(at) + " of the state";
  const std::string saveA = SaveText(before), saveB = SaveText(after);
  if (saveA == saveB) return where + " (not saved)";
  std::size_t c = 0;
  while (c < saveA.size() && c < saveB.size() && saveA[c] == saveB[c]) ++c;
  std::size_t line = 1;
  for (std::size_t i = 0; i < c; ++i) line += saveA[i] == '\n';
  return where + ", saved line " + std::to_string(line);
}

}  // namespace koratsu::testing
