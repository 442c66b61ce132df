#pragma once
// A main window that takes what it is given and shows nothing.

#include <benchmark/benchmark.h>

#include <string>

#include "shell/clock_timer.h"

namespace koratsu::bench {

class QuietScreen : public shell::MainScreen {
 public:
  void SetCaption(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
  void SetStatusLine(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
  void BringToFront() override {}
  void ShowBackground(shell::Background) override {}
  void PrepareToolbar() override {}
  void HideToolbar() override {}
  void SetGameMenus(bool) override {}
};

}  // namespace koratsu::bench
