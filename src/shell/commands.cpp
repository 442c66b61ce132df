#include "shell/commands.h"

#include "life/activity.h"
#include "life/assistants.h"
#include "life/moving.h"
#include "production/new_manga.h"
#include "shell/save_load.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu::shell {

namespace {

// The rule's refusal, between a paused and a resumed clock; true when the command goes on.
bool ActivityGoesOn() {
  std::optional<std::string> refusal = ActivityRefusal(State().KoudouMode);
  if (!refusal) return true;
  ui::PauseClock();
  ui::ShowMessage(*refusal);
  ui::ResumeClock();
  return false;
}

// Manga work: the clock runs and the working window shows (or comes to the front).
void Sigotosuru() {
  if (!ActivityGoesOn()) return;
  GameState& g = State();
  g.KoudouMode = koudou_mode::kWork;
  g.MinutesPerStep = 30;
  g.SigotoOn = 1;
  ui::ResumeClock();
  ui::Show(form::kWorking, ui::Modeless);
}

// An outing, a job or training: work stops, then the activity's dialog opens.
void ActivityDialog(int form) {
  if (!ActivityGoesOn()) return;
  StopKoudou();
  ui::Show(form, ui::Modal);
}

}  // namespace

std::optional<std::string> ActivityRefusal(const Value& koudouMode) {
  if (koudouMode == koudou_mode::kOuting) return "現在行動中です。";
  if (koudouMode == koudou_mode::kArubaito) return "現在アルバイト中です。";
  if (koudouMode == koudou_mode::kSyugyou) return "現在修行中です。";
  return std::nullopt;
}

ToggleAction DecideToggle(const Value& formOpen, const ChildView& view) {
  if (formOpen == 0 || !view.loaded) return ToggleAction::Show;
  if (view.active) {
    if (view.minimised) return ToggleAction::Restore;
    if (view.maximised) return ToggleAction::Nothing;
    return ToggleAction::Minimise;
  }
  return view.minimised ? ToggleAction::Restore : ToggleAction::Focus;
}

void ToggleWindow(int form, MainScreen& screen) {
  ToggleAction action = DecideToggle(State().FormSlot[form].Open, screen.ChildWindow(form));
  if (action == ToggleAction::Show) {
    ui::Show(form, ui::Modeless);
  } else if (action != ToggleAction::Nothing) {
    screen.ArrangeChild(form, action);
  }
}

void RunCommand(Command command, MainScreen& screen) {
  switch (command) {
    case Command::NewGame: ui::Show(form::kNewGame, ui::Modal); break;
    case Command::ChuutoRiaru: ui::Show(form::kTutorialStartEnd, ui::Modal); break;
    case Command::SaveGame: SaveGame(); break;
    case Command::LoadGame: LoadGame(screen); break;
    case Command::NewManga: StartNewManga(); break;
    case Command::MangaRSyuuryou: ui::Show(form::kEndSerial, ui::Modal); break;
    case Command::MangaOkuru: ui::Show(form::kContestPost, ui::Modal); break;
    case Command::Motikomu: ui::Show(form::kBringIn, ui::Modal); break;
    case Command::GetAsi: GetAsi(); break;
    case Command::AsiKaiko: AsiKaiko(); break;
    case Command::Sigotosuru: Sigotosuru(); break;
    case Command::Sanpo: ActivityDialog(form::kOuting); break;
    case Command::Arubaito: ActivityDialog(form::kArubaito); break;
    case Command::Syugyou: ActivityDialog(form::kTraining); break;
    case Command::Sukezyuru: ui::Show(form::kSchedule, ui::Modal); break;
    case Command::DouguKounyu: ui::Show(form::kEquipment, ui::Modal); break;
    case Command::Hikkosi: Hikkosi(); break;
    case Command::KozinRanc: ToggleWindow(form::kAssetRanking, screen); break;
    case Command::ComicRank: ToggleWindow(form::kComicsRanking, screen); break;
    case Command::SyuppanYukou: ToggleWindow(form::kFriendship, screen); break;
    case Command::TiPoint: ToggleWindow(form::kKnowledgeList, screen); break;
    case Command::ImamadeManga: ToggleWindow(form::kArchive, screen); break;
    case Command::Torofi: ui::Show(form::kTrophies, ui::Modal); break;
    case Command::Kanseido: ToggleWindow(form::kCompletion, screen); break;
    case Command::VisualWindow: ToggleWindow(form::kRoomView, screen); break;
    case Command::Info2: ToggleWindow(form::kInfoPanel, screen); break;
    case Command::HelpGame: ui::ShowHelp(); break;
    case Command::HelpVersion: ui::Show(form::kAbout, ui::Modal); break;
  }
}

}  // namespace koratsu::shell
