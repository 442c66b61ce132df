#include "shell/save_load.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "shell/game_flow.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/tutorial_stage.h"
#include "ui/forms.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/save_bytes.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

namespace fs = std::filesystem;
using testing::RecordingScreen;
using testing::ReadAll;
using testing::SavedBytes;
using testing::WriteAll;
using testing::FirstDifference;
using testing::TempFolder;
using testing::UiEvent;

class SaveLoadTest : public ::testing::Test {
 protected:
  SaveLoadTest() { shell::SetProgramValues(); }
  GameState& g() { return state.g(); }

  void StartGame(const std::string& name) {
    ASSERT_TRUE(shell::ConfirmNewGame(name, screen));
    ui.Clear();
    screen.calls.clear();
  }
  void Save(const fs::path& path) {
    ui.AnswerFileDialog(path.string());
    shell::SaveGame();
  }
  void Load(const fs::path& path) {
    ui.AnswerFileDialog(path.string());
    shell::LoadGame(screen);
  }
  std::vector<UiEvent::Kind> Kinds() const {
    std::vector<UiEvent::Kind> kinds;
    for (const UiEvent& e : ui.Events()) kinds.push_back(e.kind);
    return kinds;
  }
  std::vector<std::string> Settings() const {
    std::vector<std::string> out;
    for (const UiEvent& e : ui.Events())
      if (e.kind == UiEvent::Setting) out.push_back(e.text);
    return out;
  }

  testing::FreshState state;
  testing::ScriptedUi ui;
  RecordingScreen screen;
  TempFolder folder;
};

TEST_F(SaveLoadTest, TheDialogsAskForKoratsuFiles) {
  ui::FileDialogRequest save = shell::SaveDialogRequest();
  EXPECT_EQ(save.title, "ファイルを保存する");
  EXPECT_EQ(save.filter, "Koratsu (*.krt)");
  EXPECT_EQ(save.defaultExt, "krt");
  ui::FileDialogRequest open = shell::OpenDialogRequest();
  EXPECT_EQ(open.title, "ファイルを開く");
  EXPECT_EQ(open.filter, "Koratsu (*.krt)");
  EXPECT_EQ(open.defaultExt, "");
}

TEST_F(SaveLoadTest, AGameSavedDuringAnActivityLoadsWithNoActivityAndTheFilesSettings) {
  StartGame("漫画太郎");
  g().Kingaku = 987654;
  g().KoudouMode = koudou_mode::kOuting;
  g().MinutesPerStep = 5;
  g().SigotoOn = 1;
  g().KoudouShown = 1;
  g().StatusText = "散歩中";
  g().FormSlot[form::kWorking].Top = 1200;
  g().FormSlot[form::kWorking].Left = 2400;
  g().GameSpeed = 3;
  g().Koukaon = 2;
  g().KingakuHyouzi = 2;
  g().KingakuComma = 1;
  g().ToolStyle = 1;
  g().TutorialStage = tutorial_stage::kSchedule;  // saved while the tutorial ran
  ui.Show(form::kRoomView, ui::Modeless);
  ui.Show(form::kInfoPanel, ui::Modeless);
  g().FormSlot[form::kRoomView].Open = 1;
  g().FormSlot[form::kInfoPanel].Open = 1;
  g().FormSlot[form::kCompletion].Open = 1;  // open when saved, not after the load
  fs::path path = folder / "game.krt";
  Save(path);
  ASSERT_TRUE(fs::exists(path));
  auto saved = std::make_unique<GameState>(g());

  StartGame("別の人");
  EXPECT_NE(g().PlayerSei, saved->PlayerSei);
  Load(path);

  // Once the file is chosen, the windows of the game that goes are closed first.
  ASSERT_GT(ui.Events().size(), 2u);
  EXPECT_EQ(ui.Events()[1].kind, UiEvent::OpenDialog);
  EXPECT_EQ(ui.Events()[2].kind, UiEvent::Unload);
  auto& expected = *saved;
  expected.FormSlot[form::kWorking].Top = 0;
  expected.FormSlot[form::kWorking].Left = 0;
  expected.KoudouMode = koudou_mode::kNone;
  expected.MinutesPerStep = 0;
  expected.SigotoOn = 0;
  expected.KoudouShown = 0;
  expected.TutorialStage = tutorial_stage::kNone;
  expected.FormSlot[form::kCompletion].Open = 0;
  std::string loaded = SavedBytes(g());
  std::string wanted = SavedBytes(expected);
  EXPECT_TRUE(loaded == wanted) << FirstDifference(loaded, wanted);
  EXPECT_EQ(g().PlayerSei, Value("漫画太郎"));

  EXPECT_EQ(Settings(), (std::vector<std::string>{"ChangeToolStyle", "GameSpeedChange", "ChangeKoukaon",
                                                  "ChangeKingaku"}));
  EXPECT_EQ(ui.Shown(), (std::vector<int>{form::kRoomView, form::kInfoPanel}));
  EXPECT_EQ(screen.calls, (std::vector<std::string>{"background:game", "toolbar:pictures",
                                                    "caption:Koratsu Version1.20", "menus:game"}));
  EXPECT_EQ(ui.ClockSwitches(), (std::vector<int>{0, 1, 1}));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{});
}

TEST_F(SaveLoadTest, TheDialogsOpenWhereThePlayerLastSavedOrLoaded) {
  TempFolder other;
  StartGame("漫画太郎");
  Save(folder / "game.krt");
  EXPECT_EQ(shell::SaveDialogRequest().folder, folder.Path().string());
  EXPECT_EQ(shell::OpenDialogRequest().folder, folder.Path().string());
  Load(other / "missing.krt");  // a failed load counts as well
  EXPECT_EQ(shell::OpenDialogRequest().folder, other.Path().string());
  EXPECT_EQ(shell::SaveDialogRequest().folder, other.Path().string());
}

TEST(DialogFolderTest, TheLastFilesFolderWhileItIsThereElseHome) {
  testing::TempFolder folder;
  const std::string home = "/home/player";
  struct Case {
    const char* what;
    std::string lastFile;
    std::string folder;
  };
  const Case cases[] = {
      {"no file yet", "", home},
      {"a file in a folder that is there", (folder / "game.krt").string(), folder.Path().string()},
      {"a file whose folder has gone", (folder / "gone" / "game.krt").string(), home},
      {"a name without a folder", "game.krt", home},
  };
  for (const Case& c : cases) EXPECT_EQ(shell::DialogFolder(c.lastFile, home), c.folder) << c.what;
}

TEST_F(SaveLoadTest, TheLoadsCaptionHasTheProgramsTitleNotTheFiles) {
  StartGame("漫画太郎");
  g().AppTitle = "\x1b]0;別の題\x07";  // a file may hold any title
  fs::path path = folder / "game.krt";
  Save(path);
  shell::SetProgramValues();
  screen.calls.clear();
  Load(path);
  EXPECT_NE(std::find(screen.calls.begin(), screen.calls.end(), "caption:Koratsu Version1.20"), screen.calls.end());
  EXPECT_EQ(g().AppTitle, Value("\x1b]0;別の題\x07")) << "the title is read like every other value";
}

TEST_F(SaveLoadTest, LoadingOnTheTitleScreenStartsTheLoadedGame) {
  StartGame("漫画太郎");
  g().Kingaku = 31415;
  fs::path path = folder / "game.krt";
  Save(path);

  auto title = std::make_unique<GameState>();
  StateScope titleScreen(*title);
  shell::SetProgramValues();
  Load(path);
  EXPECT_EQ(title->GameActive, Value(1));
  EXPECT_EQ(title->PlayerSei, Value("漫画太郎"));
  EXPECT_TRUE(ui.ClockRunning());
  EXPECT_TRUE(screen.gameMenus);
  EXPECT_EQ(title->Kingaku, Value(31415));
  EXPECT_EQ(ui.Shown(), (std::vector<int>{form::kRoomView, form::kInfoPanel}));
}

TEST_F(SaveLoadTest, CancellingEitherDialogChangesNothing) {
  for (bool running : {true, false}) {
    for (bool saving : {true, false}) {
      SCOPED_TRACE(std::string(saving ? "save" : "load") + (running ? " in a game" : " on the title screen"));
      auto own = std::make_unique<GameState>();
      StateScope scope(*own);
      shell::SetProgramValues();
      if (running) StartGame("漫画太郎");
      std::string before = SavedBytes(*own);
      ui.Clear();
      screen.calls.clear();
      ui.AnswerFileDialog(std::nullopt);
      if (saving) {
        shell::SaveGame();
      } else {
        shell::LoadGame(screen);
      }
      std::string after = SavedBytes(*own);
      EXPECT_TRUE(after == before) << FirstDifference(after, before);
      const UiEvent::Kind dialog = saving ? UiEvent::SaveDialog : UiEvent::OpenDialog;
      EXPECT_EQ(Kinds(), running ? (std::vector<UiEvent::Kind>{UiEvent::Clock, dialog, UiEvent::Clock})
                                 : (std::vector<UiEvent::Kind>{UiEvent::Clock, dialog}));
      EXPECT_EQ(ui.ClockSwitches(), running ? (std::vector<int>{0, 1}) : std::vector<int>{0});
      EXPECT_TRUE(screen.calls.empty());
      EXPECT_TRUE(folder.Names().empty());
    }
  }
}

TEST_F(SaveLoadTest, AFileThatCannotBeReadWholeLeavesTheRunningGameExactlyAsItWas) {
  StartGame("漫画太郎");
  fs::path good = folder / "good.krt";
  Save(good);
  std::string file = ReadAll(good);
  // A count that is not a number, in the middle of the file.
  std::string corrupt = file;
  std::size_t line18 = 0;
  for (int line = 1; line < 18; ++line) line18 = corrupt.find("\r\n", line18) + 2;
  corrupt.replace(line18, corrupt.find(',', line18) - line18, "x9");

  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"cut.krt", file.substr(0, file.size() / 2)},
      {"cut-in-a-line.krt", file.substr(0, file.size() - 7)},
      {"corrupt.krt", corrupt},
      {"empty.krt", ""},
      {"not-a-game.krt", "PNG\r\nnothing here\r\n"},
  };
  for (bool running : {true, false}) {
    auto own = std::make_unique<GameState>();
    StateScope scope(*own);
    shell::SetProgramValues();
    if (running) {
      StartGame("今の人");
      own->Kingaku = 4242;
      own->KoudouMode = koudou_mode::kWork;
      own->FormSlot[form::kWorking].Top = 99;
      ui.Show(form::kInfoPanel, ui::Modeless);
    }
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (running ? " in a game" : " on the title screen"));
      WriteAll(folder / c.name, c.bytes);
      std::string before = SavedBytes(*own);
      ui.Clear();
      screen.calls.clear();
      Load(folder / c.name);
      std::string after = SavedBytes(*own);
      EXPECT_TRUE(after == before) << FirstDifference(after, before);
      EXPECT_EQ(ui.Messages(), std::vector<std::string>{"ファイルの読み込みに失敗しました。"});
      EXPECT_EQ(Kinds(), running ? (std::vector<UiEvent::Kind>{UiEvent::Clock, UiEvent::OpenDialog, UiEvent::Message,
                                                                UiEvent::Clock})
                                 : (std::vector<UiEvent::Kind>{UiEvent::Clock, UiEvent::OpenDialog, UiEvent::Message}));
      EXPECT_EQ(ui.ClockSwitches(), running ? (std::vector<int>{0, 1}) : std::vector<int>{0});
      EXPECT_TRUE(screen.calls.empty());
    }
    // And a file that is not there at all.
    ui.Clear();
    Load(folder / "missing.krt");
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"ファイルの読み込みに失敗しました。"});
  }
}

TEST_F(SaveLoadTest, ASaveThatCannotBeCompletedKeepsThePreviousFile) {
  StartGame("漫画太郎");
  fs::path path = folder / "game.krt";
  WriteAll(path, "the previous game");
  fs::create_directory(folder / "a folder.krt");
  g().MangaCount = 9999;  // more works than a file can carry back
  Save(path);
  g().MangaCount = 0;
  Save(folder / "a folder.krt");  // written whole, but cannot take a folder's place

  std::vector<std::string> warnings;
  for (const UiEvent& e : ui.Events())
    if (e.kind == UiEvent::SystemWarning) warnings.push_back(e.text);
  EXPECT_EQ(warnings, std::vector<std::string>(2, shell::kSaveFailedMessage));
  EXPECT_EQ(ReadAll(path), "the previous game");
  EXPECT_TRUE(fs::is_directory(folder / "a folder.krt"));
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a folder.krt", "game.krt"}));  // no temporary file left
  // The clock stood while the warning was shown, and runs again after it.
  EXPECT_EQ(ui.ClockSwitches(), (std::vector<int>{0, 1, 0, 1}));
}

TEST_F(SaveLoadTest, SavingReplacesTheFileWholeAndKeepsItsPermissions) {
  StartGame("漫画太郎");
  fs::path path = folder / "game.krt";
  WriteAll(path, std::string(3'000'000, 'x'));  // longer than the game
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  Save(path);
  EXPECT_TRUE(ReadAll(path) == SavedBytes(g()));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"game.krt"});

  // Through a link, the linked file is replaced and the link stays.
  fs::path link = folder / "link.krt";
  fs::create_symlink(path, link);
  g().Kingaku = 1;
  Save(link);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_TRUE(ReadAll(path) == SavedBytes(g()));
}

}  // namespace
}  // namespace koratsu
