#include "shell/commands.h"

#include "clock/tick.h"
#include "life/assistants.h"
#include "life/moving.h"
#include "production/new_manga.h"
#include "shell/save_load.h"
#include "state/game_state.h"
#include "ui/ui.h"

namespace koratsu::shell {

namespace {

// Windows the commands open.
constexpr int kRoomView = 1;
constexpr int kAboutBox = 2;
constexpr int kNewGameWindow = 3;
constexpr int kInfoPanel = 4;
constexpr int kCompletion = 6;
constexpr int kSendToContest = 8;
constexpr int kWorksMade = 11;
constexpr int kTrophies = 12;
constexpr int kEndSerial = 14;
constexpr int kSchedule = 15;
constexpr int kEquipment = 19;
constexpr int kBringIn = 24;
constexpr int kOuting = 25;
constexpr int kKnowledge = 29;
constexpr int kWorking = 31;
constexpr int kArubaito = 32;
constexpr int kTutorialStartEnd = 38;
constexpr int kSyugyou = 39;
constexpr int kFriendship = 58;
constexpr int kComicsRanking = 60;
constexpr int kAssetRanking = 61;

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
  g.KoudouMode = 2;
  g.MinutesPerStep = 30;
  g.SigotoOn = 1;
  ui::ResumeClock();
  ui::Show(kWorking, ui::Modeless);
}

// An outing, a job or training: work stops, then the activity's dialog opens.
void ActivityDialog(int form) {
  if (!ActivityGoesOn()) return;
  StopKoudou();
  ui::Show(form, ui::Modal);
}

}  // namespace

std::optional<std::string> ActivityRefusal(const Value& koudouMode) {
  if (koudouMode == 1) return "現在行動中です。";
  if (koudouMode == 3) return "現在アルバイト中です。";
  if (koudouMode == 4) return "現在修行中です。";
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
    case Command::NewGame: ui::Show(kNewGameWindow, ui::Modal); break;
    case Command::ChuutoRiaru: ui::Show(kTutorialStartEnd, ui::Modal); break;
    case Command::SaveGame: SaveGame(screen); break;
    case Command::LoadGame: LoadGame(screen); break;
    case Command::NewManga: StartNewManga(); break;
    case Command::MangaRSyuuryou: ui::Show(kEndSerial, ui::Modal); break;
    case Command::MangaOkuru: ui::Show(kSendToContest, ui::Modal); break;
    case Command::Motikomu: ui::Show(kBringIn, ui::Modal); break;
    case Command::GetAsi: GetAsi(); break;
    case Command::AsiKaiko: AsiKaiko(); break;
    case Command::Sigotosuru: Sigotosuru(); break;
    case Command::Sanpo: ActivityDialog(kOuting); break;
    case Command::Arubaito: ActivityDialog(kArubaito); break;
    case Command::Syugyou: ActivityDialog(kSyugyou); break;
    case Command::Sukezyuru: ui::Show(kSchedule, ui::Modal); break;
    case Command::DouguKounyu: ui::Show(kEquipment, ui::Modal); break;
    case Command::Hikkosi: Hikkosi(); break;
    case Command::KozinRanc: ToggleWindow(kAssetRanking, screen); break;
    case Command::ComicRank: ToggleWindow(kComicsRanking, screen); break;
    case Command::SyuppanYukou: ToggleWindow(kFriendship, screen); break;
    case Command::TiPoint: ToggleWindow(kKnowledge, screen); break;
    case Command::ImamadeManga: ToggleWindow(kWorksMade, screen); break;
    case Command::Torofi: ui::Show(kTrophies, ui::Modal); break;
    case Command::Kanseido: ToggleWindow(kCompletion, screen); break;
    case Command::VisualWindow: ToggleWindow(kRoomView, screen); break;
    case Command::Info2: ToggleWindow(kInfoPanel, screen); break;
    case Command::HelpGame: ui::ShowHelp(); break;
    case Command::HelpVersion: ui::Show(kAboutBox, ui::Modal); break;
  }
}

}  // namespace koratsu::shell
