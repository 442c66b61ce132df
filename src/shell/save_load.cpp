#include "shell/save_load.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "publishing/comics.h"
#include "roomview/walking.h"
#include "shell/game_flow.h"
#include "shell/settings.h"
#include "state/log.h"
#include "state/shared_ops.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "shell/world_setup.h"

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

  void ShowMessage(const std::string&) override {}
  int AskYesNo(const std::string&) override { return 7; }
  void ShowSystemWarning(const std::string&) override {}
  void ShowTalk(const std::string&) override {}
  void Show(int, int) override {}
  void Unload(int) override {}
  bool IsLoaded(int) override { return false; }
  void CallForm(int, std::string_view) override {}
  void SetClockRunning(bool) override {}
  void GameSpeedChange() override {}
  void ChangeKoukaon() override {}
  void ChangeKingaku() override {}
  void ChangeToolStyle() override {}
  void PlaySound(int) override {}
  std::optional<std::string> ChooseSaveFile(const ui::FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> ChooseOpenFile(const ui::FileDialogRequest&) override { return std::nullopt; }
  void ShowHelp() override {}
  void OpenWebPage(const std::string&) override {}

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

// After a command's dialog: the clock runs again while a game runs.
void ResumeAfterCommand(MainScreen& screen) {
  if (State().GameActive == 1) screen.SetClockRunning(true);
}

SaveFileResult Failed(std::string error) { return {false, std::move(error)}; }

std::string SystemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// The saved file keeps the permissions of the one it replaces; a new one
// gets the usual ones.
mode_t NewFileMode(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The renamed entry itself reaches the disk with its folder.
void FlushFolder(const std::filesystem::path& file) {
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

ui::FileDialogRequest SaveDialogRequest() { return {"ファイルを保存する", kFilter, "krt", ""}; }

ui::FileDialogRequest OpenDialogRequest() { return {"ファイルを開く", kFilter, "", ""}; }

SaveFileResult WriteGameFile(const GameState& g, const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path target(path);
  // A link is followed: the file it names is replaced, the link stays.
  if (fs::is_symlink(target, error)) {
    fs::path real = fs::weakly_canonical(target, error);
    if (!error) target = real;
  }
  std::string temporary = target.string() + ".XXXXXX";
  int fd = ::mkstemp(temporary.data());
  if (fd < 0) return Failed(SystemError("cannot create a file beside", target.string()));
  ::fchmod(fd, NewFileMode(target.string()));
  ::close(fd);

  SaveFileResult written = WriteSaveFile(g, temporary);
  if (written && ::rename(temporary.c_str(), target.c_str()) != 0)
    written = Failed(SystemError("cannot replace", target.string()));
  if (!written) {
    ::unlink(temporary.c_str());
    return written;
  }
  FlushFolder(target);
  return written;
}

void SaveGame(MainScreen& screen) {
  screen.SetClockRunning(false);
  std::optional<std::string> path = ui::ChooseSaveFile(SaveDialogRequest());
  if (path && !path->empty()) {
    SaveFileResult written = WriteGameFile(State(), *path);
    if (!written) {
      LogLine("the game was not saved: " + written.error);
      // The clock stands while the player reads it.
      ui::ShowSystemWarning(kSaveFailedMessage);
    }
  }
  ResumeAfterCommand(screen);
}

std::unique_ptr<GameState> ReadGameFile(const std::string& path, SaveFileResult* result) {
  auto fresh = std::make_unique<GameState>();
  CarryProgramValues(State(), *fresh);
  SaveFileResult read;
  {
    OffscreenUi offscreen;
    StateScope scope(*fresh);
    ClearGameState();
    fresh->GameActive = 1;
    InitWorld();
    UpdateRivalComics();
    MoveFigures();
    read = ReadSaveFile(*fresh, path);
  }
  if (result) *result = read;
  if (!read) return nullptr;
  return fresh;
}

void StartLoadedGame(std::unique_ptr<GameState> loaded, MainScreen& screen) {
  // The running game's windows close on their own game, which then goes.
  UnloadAllForms();
  State() = std::move(*loaded);
  loaded.reset();
  GameState& g = State();

  screen.ShowBackground(Background::Game);
  screen.PrepareToolbar();
  screen.SetCaption(VersionCaption());
  screen.SetClockRunning(true);
  ui::ChangeToolStyle();
  screen.SetGameMenus(true);
  ShowSettings();
  ui::Show(form::kRoomView, ui::Modeless);
  ui::Show(form::kInfoPanel, ui::Modeless);

  // No activity runs after a load, and its windows open centred again: they
  // share the working window's remembered position.
  g.FormSlot[form::kWorking].Top = 0;
  g.FormSlot[form::kWorking].Left = 0;
  g.KoudouMode = 0;
  g.MinutesPerStep = 0;
  g.SigotoOn = 0;
  g.KoudouShown = 0;

  // A game saved during the tutorial goes on as an ordinary game.
  if (g.TutorialMode != 1) g.TutorialStage = 0;

  // The open flags tell what is open now, not what was open when the game was saved.
  for (int form = 0; form < static_cast<int>(decltype(g.FormSlot)::kCapacity); ++form) {
    Value& open = g.FormSlot[form].Open;
    if (ui::IsLoaded(form)) {
      open = 1;
    } else if (open == 1) {
      open = 0;
    }
  }

  ResumeAfterCommand(screen);
}

void LoadGame(MainScreen& screen) {
  screen.SetClockRunning(false);
  std::optional<std::string> path = ui::ChooseOpenFile(OpenDialogRequest());
  if (!path || path->empty()) {
    ResumeAfterCommand(screen);
    return;
  }
  SaveFileResult read;
  std::unique_ptr<GameState> loaded = ReadGameFile(*path, &read);
  if (!loaded) {
    LogLine("the game was not loaded: " + read.error);
    ui::ShowMessage(kLoadFailedMessage);
    ResumeAfterCommand(screen);
    return;
  }
  StartLoadedGame(std::move(loaded), screen);
}

}  // namespace koratsu::shell
