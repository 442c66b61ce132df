#pragma once
// A main window for rule tests: records what the game flow and the clock
// asked of it, in order.

#include <string>
#include <vector>

#include "shell/main_screen.h"

namespace koratsu::testing {

class RecordingScreen : public shell::MainScreen {
 public:
  std::vector<std::string> calls;  // "caption:...", "status:...", "front", "background:title", ...
  std::string caption;
  std::string status;
  bool gameMenus = false;
  bool toolbarShown = true;
  bool tutorialMenus = false;

  void SetCaption(const std::string& text) override {
    caption = text;
    calls.push_back("caption:" + text);
  }
  void SetStatusLine(const std::string& text) override {
    status = text;
    calls.push_back("status:" + text);
  }
  void BringToFront() override { calls.push_back("front"); }
  void ShowBackground(shell::Background background) override {
    calls.push_back(background == shell::Background::Title ? "background:title" : "background:game");
  }
  void PrepareToolbar() override { calls.push_back("toolbar:pictures"); }
  void HideToolbar() override {
    toolbarShown = false;
    calls.push_back("toolbar:hidden");
  }
  void SetGameMenus(bool gameRunning) override {
    gameMenus = gameRunning;
    calls.push_back(gameRunning ? "menus:game" : "menus:title");
  }
  void SetTutorialMenus(bool tutorialRunning) override {
    tutorialMenus = tutorialRunning;
    calls.push_back(tutorialRunning ? "menus:tutorial" : "menus:free");
  }
  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call;
    return n;
  }
};

}  // namespace koratsu::testing
