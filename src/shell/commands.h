#pragma once
// The main window's commands, as the menu bar, the docked toolbar and the
// floating tool window run them: what each does to the game, and which
// window it opens, without a window of its own.

#include <optional>
#include <string>

#include "shell/main_screen.h"
#include "state/value.h"

namespace koratsu::shell {

enum class Command {
  // メニュー
  NewGame,
  ChuutoRiaru,
  SaveGame,
  LoadGame,
  // 行動
  NewManga,
  MangaRSyuuryou,
  MangaOkuru,
  Motikomu,
  GetAsi,
  AsiKaiko,
  Sigotosuru,
  Sanpo,
  Arubaito,
  Syugyou,
  Sukezyuru,
  DouguKounyu,
  Hikkosi,
  // 情報
  KozinRanc,
  ComicRank,
  SyuppanYukou,
  TiPoint,
  ImamadeManga,
  Torofi,
  Kanseido,
  // ウィンドウ
  VisualWindow,
  Info2,
  // ヘルプ
  HelpGame,
  HelpVersion,
};

// Runs a command as its menu item does.
void RunCommand(Command command, MainScreen& screen);

// The activity rule of the four activity commands: while an outing (1), a
// part-time job (3) or training (4) runs, the command is refused with this
// text; with no activity or during manga work (2) it goes on (nullopt).
std::optional<std::string> ActivityRefusal(const Value& koudouMode);

// The window toggle of the information windows: a closed window is shown; an
// open one that is the active child is restored when minimised, minimised
// when normal and left alone when maximised; an open one behind others is
// restored when minimised, else focused. A window whose open flag is set but
// that is not loaded counts as closed.
ToggleAction DecideToggle(const Value& formOpen, const ChildView& view);

// Applies the toggle to window `form`.
void ToggleWindow(int form, MainScreen& screen);

}  // namespace koratsu::shell
