#include "shell/game_flow.h"

#include "publishing/comics.h"
#include "roomview/walking.h"
#include "shell/settings.h"
#include "shell/world_setup.h"
#include "state/game_state.h"
#include "state/product.h"
#include "state/yes_no.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/tutorial_stages.h"
#include "ui/ui.h"

namespace koratsu::shell {

const char* const kTitleHint =
    "新しいｹﾞｰﾑを始めるか、前回の記録を読み込みしてください。初めてのときはﾁｭｰﾄﾘｱﾙﾓｰﾄﾞがお勧めです。";

void SetProgramValues() {
  GameState& g = State();
  g.AppTitle = kProductTitle;
  g.SaveVersion = "1.20";
  g.AppVersion = "1.20";
}

std::string VersionCaption() {
  const GameState& g = State();
  return Join(g.AppTitle, " Version", g.AppVersion);
}

void ResetGame(MainScreen& screen) {
  // No tutorial outlives its game: a game over or the ending ends it here.
  if (TutorialRunning()) EndTutorial(screen);
  screen.ShowBackground(Background::Title);
  ui::SetClockRunning(false);
  screen.HideToolbar();
  screen.SetGameMenus(false);
  screen.SetCaption(VersionCaption());
  screen.SetStatusLine(kTitleHint);
}

void ReturnToTitle(MainScreen& screen, int form) {
  GameState& g = State();
  g.GameActive = 0;
  // No late call from the clock to bring the main window forward.
  g.ResumeRequest = 0;
  screen.BringToFront();
  ResetGame(screen);
  // With the game over, the window's own ResumeClock leaves the clock off.
  ui::Unload(form);
  UnloadAllForms();
}

void GameOn(MainScreen& screen) {
  State().GameActive = 1;
  screen.ShowBackground(Background::Game);
  screen.PrepareToolbar();
  InitWorld();
  // Money is written in groups of four digits in a new game: its menu says so.
  ShowKingakuSetting();
  screen.SetCaption(VersionCaption());
  ui::SetClockRunning(true);
  ui::ChangeToolStyle();
  screen.SetGameMenus(true);
  ui::Show(form::kRoomView, ui::Modeless);
  ui::Show(form::kInfoPanel, ui::Modeless);
  UpdateRivalComics();
  MoveFigures();
}

bool ConfirmNewGame(const std::string& name, MainScreen& screen) {
  if (name.empty()) {
    ui::ShowMessage("名前を入力してください。");
    return false;
  }
  // Nothing from here to the end may let a clock event run: the name and the
  // tutorial stage must be in place before the first tick.
  ui::Unload(form::kNewGame);
  UnloadAllForms();
  ClearGameState();
  GameOn(screen);
  GameState& g = State();
  g.PlayerSei = name;
  g.PlayerMei = "";
  g.AssetRankEntry[0].Name = Join(g.PlayerSei, " ", g.PlayerMei);
  g.FormSlot[form::kInfoPanel].Redraw = 1;
  ui::ResumeClock();
  AdvanceTutorial(tutorial_stage::kNewGame);
  return true;
}

bool ConfirmQuit() {
  ui::PauseClock();
  int answer = ui::AskYesNo("ゲームを終了しますか。");
  ui::ResumeClock();
  return answer == yes_no::kYes;
}

void EndTutorial(MainScreen& screen) {
  GameState& g = State();
  g.TutorialMode = 0;
  g.TutorialStage = tutorial_stage::kNone;
  ui::Unload(form::kTutorialGuide);
  screen.SetTutorialMenus(false);
}

}  // namespace koratsu::shell
