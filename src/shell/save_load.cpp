#include "shell/save_load.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "publishing/comics.h"
#include "roomview/walking.h"
#include "save/reader.h"
#include "save/writer.h"
#include "shell/game_flow.h"
#include "shell/settings.h"
#include "shell/world_setup.h"
#include "state/koudou_mode.h"
#include "state/log.h"
#include "state/tutorial_stage.h"
#include "state/yes_no.h"
#include "ui/forms.h"
#include "ui/game_ops.h"

namespace koratsu::shell {

const char* const kSaveFailedMessage = "ファイルを閉じるときにエラーが発生しました。もう一度実行してください。";
const char* const kLoadFailedMessage = "ファイルの読み込みに失敗しました。";

namespace {

constexpr const char* kFilter = "Koratsu (*.krt)";

// Where the fresh game of a load is built: no window opens, no menu moves,
// the clock stays as it is. Only a game read whole reaches the screen.
class OffscreenUi : public ui::Ui {
 public:
  OffscreenUi() : previous_(ui::Installed()) { ui::Install(this); }
  ~OffscreenUi() override { ui::Install(previous_); }
  OffscreenUi(const OffscreenUi&) = delete;
  OffscreenUi& operator=(const OffscreenUi&) = delete;

 private:
  ui::Ui* previous_;
};

// The values the clearing leaves as they are: the program's titles and
// version, the tutorial's mode and guide, the about box's counters.
void CarryProgramValues(const GameState& from, GameState& to) {
  to.SaveVersion = from.SaveVersion;
  to.AppVersion = from.AppVersion;
  to.AppTitle = from.AppTitle;
  to.TutorialStage = from.TutorialStage;
  to.TutorialMode = from.TutorialMode;
  to.TutorialBlink = from.TutorialBlink;
  to.TutorialLines = from.TutorialLines;
  to.TutorialLineCount = from.TutorialLineCount;
  to.TutorialLineIndex = from.TutorialLineIndex;
  to.AboutClickA = from.AboutClickA;
  to.AboutClickB = from.AboutClickB;
}

// The file the player last saved or loaded (or tried to), for the next dialog.
std::string& LastFile() {
  static std::string path;
  return path;
}

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) return user->pw_dir;
  return {};
}

// A command that could not be done: the reason goes to the log, the player
// gets the command's own message.
void ReportFailure(const char* what, const save::Result& result, void (*show)(const std::string&),
                   const char* message) {
  LogLine(std::string(what) + ": " + result.error);
  show(message);
}

}  // namespace

ui::FileDialogRequest SaveDialogRequest() {
  return {"ファイルを保存する", kFilter, "krt", "", DialogFolder(LastFile(), HomeFolder())};
}

ui::FileDialogRequest OpenDialogRequest() {
  return {"ファイルを開く", kFilter, "", "", DialogFolder(LastFile(), HomeFolder())};
}

std::string DialogFolder(const std::string& lastFile, const std::string& home) {
  namespace fs = std::filesystem;
  if (!lastFile.empty()) {
    fs::path folder = fs::path(lastFile).parent_path();
    std::error_code error;
    if (!folder.empty() && fs::is_directory(folder, error)) return folder.string();
  }
  return home;
}

void SaveGame() {
  ui::SetClockRunning(false);
  std::optional<std::string> path = ui::ChooseSaveFile(SaveDialogRequest());
  if (path && !path->empty()) {
    LastFile() = *path;
    save::Result written = save::WriteSaveFile(State(), *path);
    if (!written) {
      // The clock stands while the player reads it.
      ReportFailure("the game was not saved", written, ui::ShowSystemWarning, kSaveFailedMessage);
    }
  }
  ui::ResumeClock();
}

std::unique_ptr<GameState> ReadGameFile(const std::string& path, save::Result* result) {
  auto fresh = std::make_unique<GameState>();
  CarryProgramValues(State(), *fresh);
  save::Result read;
  {
    OffscreenUi offscreen;
    StateScope scope(*fresh);
    ClearGameState();
    fresh->GameActive = 1;
    InitWorld();
    UpdateRivalComics();
    MoveFigures();
    read = save::ReadSaveFile(*fresh, path, save::OnFailure::kLeave);  // dropped on failure
  }
  if (result) *result = read;
  if (!read) return nullptr;
  return fresh;
}

void StartLoadedGame(std::unique_ptr<GameState> loaded, MainScreen& screen) {
  // The caption the load gives, from the program's title as it stood before
  // reading, not from the file's.
  std::string caption = VersionCaption();
  // The running game's windows close on their own game, which then goes.
  UnloadAllForms();
  State() = std::move(*loaded);
  loaded.reset();
  GameState& g = State();

  screen.ShowBackground(Background::Game);
  screen.PrepareToolbar();
  screen.SetCaption(caption);
  ui::SetClockRunning(true);
  ui::ChangeToolStyle();
  screen.SetGameMenus(true);
  ShowSettings();
  ui::Show(form::kRoomView, ui::Modeless);
  ui::Show(form::kInfoPanel, ui::Modeless);

  // No activity runs after a load, and its windows open centred again: they
  // share the working window's remembered position.
  g.FormSlot[form::kWorking].Top = 0;
  g.FormSlot[form::kWorking].Left = 0;
  g.KoudouMode = koudou_mode::kNone;
  g.MinutesPerStep = 0;
  g.SigotoOn = 0;
  g.KoudouShown = 0;

  // A game saved during the tutorial goes on as an ordinary game.
  if (g.TutorialMode != 1) g.TutorialStage = tutorial_stage::kNone;

  // The open flags tell what is open now, not what was open when the game was
  // saved. The windows the load opened have set their own, as in play; a
  // window that keeps no flag (the tool window) keeps what the game had.
  for (int form = 0; form < static_cast<int>(decltype(g.FormSlot)::kCapacity); ++form) {
    Value& open = g.FormSlot[form].Open;
    if (!ui::IsLoaded(form) && open != 0) open = 0;
  }

  ui::ResumeClock();
}

void LoadGame(MainScreen& screen) {
  ui::SetClockRunning(false);
  std::optional<std::string> path = ui::ChooseOpenFile(OpenDialogRequest());
  if (!path || path->empty()) {
    ui::ResumeClock();
    return;
  }
  LastFile() = *path;
  save::Result read;
  std::unique_ptr<GameState> loaded = ReadGameFile(*path, &read);
  if (!loaded) {
    ReportFailure("the game was not loaded", read, ui::ShowMessage, kLoadFailedMessage);
    ui::ResumeClock();
    return;
  }
  StartLoadedGame(std::move(loaded), screen);
}

}  // namespace koratsu::shell
