#pragma once
// What the game flow and the clock timer ask of the main window, so that the
// rules run the same steps against the real window and against a test's record.

#include <string>

namespace koratsu::shell {

enum class Background { Title, Game };

// A child window of the main window as the window toggle sees it.
struct ChildView {
  bool loaded = false;
  bool active = false;  // the main window's active child window
  bool minimised = false;
  bool maximised = false;
};

// What the window toggle does to a child window.
enum class ToggleAction { Show, Restore, Minimise, Focus, Nothing };

class MainScreen {
 public:
  virtual ~MainScreen() = default;

  // The window title.
  virtual void SetCaption(const std::string& text) = 0;
  // The status line at the bottom (Label1).
  virtual void SetStatusLine(const std::string& text) = 0;
  // Brings the main window back in front of the other windows.
  virtual void BringToFront() = 0;
  // Title.bmp on the title screen, kabe.bmp during a game.
  virtual void ShowBackground(Background background) = 0;
  // The docked toolbar's buttons take their normal pictures.
  virtual void PrepareToolbar() = 0;
  // Hides the docked toolbar strip (the title screen).
  virtual void HideToolbar() = 0;
  // A running game enables the save entry and the action and information
  // menus and shows the window menu; the title screen takes them away.
  virtual void SetGameMenus(bool gameRunning) = 0;

  // Child window `form` as it stands; one that is not loaded reads as such.
  virtual ChildView ChildWindow(int form) {
    (void)form;
    return {};
  }
  // Restores, minimises or focuses the loaded child window `form`.
  virtual void ArrangeChild(int form, ToggleAction action) {
    (void)form;
    (void)action;
  }
  // While the tutorial runs, starting another game or the tutorial again,
  // saving and loading are not offered; afterwards they come back (saving
  // only while a game runs). A screen without those commands ignores it.
  virtual void SetTutorialMenus(bool tutorialRunning) { (void)tutorialRunning; }
};

}  // namespace koratsu::shell
