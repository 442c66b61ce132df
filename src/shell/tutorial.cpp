#include "shell/tutorial.h"

#include "shell/game_flow.h"
#include "state/game_state.h"
#include "state/tutorial_stage.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu::shell {

TutorialWindowRole OpenTutorialWindow(MainScreen& screen) {
  GameState& g = State();
  if (g.TutorialMode != 1) {
    g.TutorialMode = 1;
    g.TutorialStage = tutorial_stage::kNone;
    return TutorialWindowRole::Start;
  }
  ui::Unload(form::kTutorialGuide);
  g.TutorialMode = 0;
  screen.SetTutorialMenus(false);
  return TutorialWindowRole::End;
}

void PressTutorialWindowButton(MainScreen& screen) {
  ui::Unload(form::kTutorialGuide);
  if (State().TutorialMode == 1) {
    ui::Unload(form::kTutorialStartEnd);
    GameState& g = State();
    g.CaptionRefresh = 1;
    g.TutorialStage = tutorial_stage::kNewGame;
    g.TutorialStageLoaded = 0;
    ui::Show(form::kTutorialGuide, ui::Modeless);
    ui::Show(form::kNewGame, ui::Modal);
    // A new game moved the tutorial to its second stage; a cancelled name
    // window leaves no tutorial game to lead through.
    if (State().TutorialStage == tutorial_stage::kNewGame) {
      EndTutorial(screen);
      return;
    }
    screen.SetTutorialMenus(true);
    return;
  }
  // The end window closes before the game ends, as at the start: its unload
  // may start the clock again, and the title screen stops it.
  ui::Unload(form::kTutorialStartEnd);
  State().TutorialStage = tutorial_stage::kNone;
  ReturnToTitle(screen, form::kTutorialStartEnd);
}

void ShowTutorialEnd() {
  ui::Unload(form::kTutorialGuide);
  ui::Show(form::kTutorialStartEnd, ui::Modal);
}

}  // namespace koratsu::shell
