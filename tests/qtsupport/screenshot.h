#pragma once
// Pictures of the game for the documentation, taken by scenes: tests that
// skip unless KORATSU_SCREENSHOT names one of their pictures (its file name
// without ".png"). The picture is written to the folder KORATSU_SCREENSHOT_DIR
// names, or to the current one. Under a display with a window manager
// (QT_QPA_PLATFORM=xcb) the desktop's frames are in the picture;
// scripts/screenshots.sh retakes them all.

#include <functional>
#include <initializer_list>
#include <string>

#include <QImage>
#include <QWidget>

#include "platform/form.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/computer_clock.h"
#include "support/fresh_state.h"

namespace koratsu::testing {

class Screenshot {
 public:
  // `names` are the pictures the scene can take. When one of them is asked
  // for, first lets the desktop frame and place what is already on screen,
  // and fixes the computer's clock, so that a game set up from here on has
  // the same date and the same random draws each time.
  Screenshot(std::initializer_list<std::string> names);
  ~Screenshot();
  Screenshot(const Screenshot&) = delete;
  Screenshot& operator=(const Screenshot&) = delete;

  // One of the scene's pictures is asked for; a scene skips otherwise.
  bool Asked() const { return !asked_.empty(); }
  bool Is(const std::string& name) const { return asked_ == name; }
  // Why a scene skips: what to set for its pictures.
  std::string Hint() const { return hint_; }

  // Gives the desktop time to frame, place and paint what was just shown
  // (the main window takes its designed size once it knows its frame).
  static void Settle();

  // Writes the picture asked for: the screen under `window`'s frame and under
  // every other window on screen, such as a dialog standing over it.
  void Take(const QWidget& window) const;
  // Writes the picture asked for from a picture drawn without a window.
  void Save(const QImage& picture) const;
  // Shows `form` modal (or lets `open` bring it up), lets `prepare` set it
  // up, takes the picture of it over `window` and closes it.
  void TakeOverModal(int form, const QWidget& window, const std::function<void(platform::Form&)>& prepare = {},
                     const std::function<void()>& open = {}) const;

 private:
  std::string asked_;
  std::string hint_;
  FixedClock clock_{{2026, 4, 6, 2, 17, 0, 0}, 61200.0};  // a Monday, five in the afternoon
};

// A scene's new game in `main`, the player named `name`, after its first
// clock event (the date in the caption); the clock then stops, so that the
// scene stays as it is set.
void StartSceneGame(MDIForm1& main, const std::string& name);

// A scene's whole set-up: a fresh state under the Qt ui, the main window
// shown and settled, and a new game started in it for the player `name`.
struct SceneGame {
  explicit SceneGame(const std::string& name);
  FreshState state;
  QtUiScope qt;
  MDIForm1 main;
};

}  // namespace koratsu::testing
