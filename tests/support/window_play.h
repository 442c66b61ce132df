#pragma once
// The player's part in every window of the game, played through the rules
// the window's controls call, as the window calls them: what the window
// does to the game as it loads and closes (its own rules, and what its kind
// of window does: the clock paused, the main window called back to the
// front, its open flag), what each of its buttons does with the rows chosen
// in its lists, and what its own timers do. A window built later joins with
// one entry in the table (window_play.cpp).
//
// Which button is pressed, which row chosen and how a question is answered
// is a Chooser's: fixed answers for a scenario, seeded random ones for a
// long game. A WindowPlayer gives a scripted ui the whole table at once; a
// test may still play one window itself with ui.On, which comes first.
//
// No gtest here: the benchmarks play the same windows.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "shell/main_screen.h"
#include "state/random.h"
#include "support/scripted_ui.h"

namespace koratsu::testing {

class Chooser;

// What a window's play reaches besides the game.
struct WindowContext {
  WindowContext(shell::MainScreen& screen, ScriptedUi& ui, Chooser& chooser)
      : screen(screen), ui(ui), chooser(&chooser) {}

  shell::MainScreen& screen;
  ScriptedUi& ui;
  Chooser* chooser;
  // The name typed into the new-game window.
  std::string playerName = "漫画太郎";
  // The title typed for the next finished work; when empty, a new one each
  // time ("作品1", "作品2", ...).
  std::string title;
  int titlesGiven = 0;
  // Where the player leaves the activity windows when they close.
  double activityTop = 1200, activityLeft = 2400;
  // The envelope's place in its window.
  int envelopeLeft = 0;
  // The rows of the end-serial window's list.
  int endableSerials = 0;
  // Whether the delivery window shows the next episode's points.
  bool planningNextEpisode = false;

  Chooser& Choices() { return *chooser; }
  std::string TitleToType();
};

// One of a window's buttons: its caption as the window shows it, how often a
// random player presses it against the window's other buttons, and what
// pressing it does (having chosen rows where the window has lists).
struct WindowButton {
  std::string caption;
  int weight = 1;
  std::function<void(WindowContext&)> press;
};

// What the window's kind does as it loads and closes.
struct WindowTraits {
  bool pauseClock = false;            // PauseClock on load, ResumeClock on closing
  bool resumeClockOnClose = false;    // ResumeClock on closing only
  bool resumeRequestOnClose = false;  // ResumeRequest = 1 on closing
  bool trackOpen = false;             // FormOpen is 1 while it is loaded
  bool servesRefresh = false;         // its timer serves FormRebuild and FormRedraw
};

struct WindowPlay {
  WindowTraits traits;
  std::function<void(WindowContext&)> load;   // its rules as it loads
  std::vector<WindowButton> buttons;          // what a player presses while it is open
  int closeButton = -1;                       // the button that only closes it, if it has one
  std::function<void(WindowContext&)> close;  // its rules as it closes
  std::function<void(WindowContext&)> timer;  // one round of its own timers
  std::function<void(WindowContext&)> rebuild;  // what serving FormRebuild does to the game
  std::function<void(WindowContext&)> redraw;   // what serving FormRedraw does to the game
};

// Every window of the game that is built, by number.
const std::map<int, WindowPlay>& WindowTable();

// The caption of a child window's close box, where the player uses it.
inline constexpr const char* kCloseBox = "×";

// The player's answers.
class Chooser {
 public:
  virtual ~Chooser() = default;
  // The button of window `form` pressed next: an index into `buttons`.
  virtual std::size_t Button(int form, const std::vector<WindowButton>& buttons) = 0;
  // A row among `rows` (at least 1) of list `list` of window `form`.
  virtual int Row(int form, const std::string& list, int rows) = 0;
  // The answer to a question asked while window `form` is played (0: no
  // window): 6 yes, 7 no.
  virtual int Answer(int form, const std::string& question) = 0;
};

// The same answers every time: per window the buttons named, in turn (the
// last one again once they ran out), per list the row given, per window the
// answer to its questions; otherwise the first button, row 0 and yes.
class FixedChoices : public Chooser {
 public:
  FixedChoices& Press(int form, std::vector<std::string> captions);
  FixedChoices& Choose(int form, const std::string& list, int row);
  FixedChoices& AnswerIn(int form, int answer);
  FixedChoices& AnswerAll(int answer);

  std::size_t Button(int form, const std::vector<WindowButton>& buttons) override;
  int Row(int form, const std::string& list, int rows) override;
  int Answer(int form, const std::string& question) override;

 private:
  std::map<int, std::deque<std::string>> presses_;
  std::map<std::pair<int, std::string>, int> rows_;
  std::map<int, int> answers_;
  int answer_ = 6;
};

// Seeded random answers: buttons by their weights, rows alike, yes three
// times in four. A generator of its own leaves the game's draws alone.
class RandomChoices : public Chooser {
 public:
  explicit RandomChoices(std::uint64_t seed) : random_(seed) {}
  std::size_t Button(int form, const std::vector<WindowButton>& buttons) override;
  int Row(int form, const std::string& list, int rows) override;
  int Answer(int form, const std::string& question) override;
  // A number 0 .. n - 1 from the player's own generator.
  int Draw(int n);

 private:
  SeededRandom random_;
};

// Plays every window shown on a scripted ui: the table's entry, or for a
// window the table does not know, its close path (and it is noted). Modal
// windows get buttons pressed until they close; after kMostPresses, their
// close button, and then they are closed.
class WindowPlayer {
 public:
  WindowPlayer(ScriptedUi& ui, shell::MainScreen& screen, Chooser& chooser);
  WindowPlayer(const WindowPlayer&) = delete;
  WindowPlayer& operator=(const WindowPlayer&) = delete;

  void SetChooser(Chooser& chooser) { context_.chooser = &chooser; }
  WindowContext& Context() { return context_; }

  // One round of the timers of the windows that are open.
  void RunWindowTimers();
  // Presses button `caption` of window `form` now; false when it has none.
  bool Press(int form, const std::string& caption);
  // Loads window `form` as the table says (a test that plays a window
  // itself may start so).
  void Load(int form);

  // Windows the table did not know, in the order they were shown.
  const std::vector<int>& UnknownWindows() const { return unknown_; }

  static constexpr int kMostPresses = 16;

 private:
  void Shown(int form, int mode);
  void Closed(int form);
  void PlayModal(int form, const WindowPlay& play);

  ScriptedUi& ui_;
  WindowContext context_;
  std::vector<int> unknown_;
  std::set<int> open_;
  std::vector<int> playing_;  // the modal windows being played, innermost last
};

}  // namespace koratsu::testing
