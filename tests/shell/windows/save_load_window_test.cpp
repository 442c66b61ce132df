// Saving and loading through the main window: the file dialogs as the
// player sees them, and a game that comes back with its settings.

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <fstream>
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/form.h"
#include "qtsupport/window_testing.h"
#include "shell/game_flow.h"
#include "shell/save_load.h"
#include "shell/windows/main_window.h"
#include "state/koudou_mode.h"
#include "state/tutorial_stage.h"
#include "ui/forms.h"
#include "support/fresh_state.h"
#include "support/save_bytes.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

namespace fs = std::filesystem;
using testing::ProcessEvents;
using testing::SavedBytes;
using testing::FirstDifference;
using testing::TempPath;

// The real windows, with the player's answers to the file dialogs.
class AnsweringUi : public QtUi {
 public:
  std::deque<std::string> answers;
  std::optional<std::string> ChooseSaveFile(const ui::FileDialogRequest&) override { return Next(); }
  std::optional<std::string> ChooseOpenFile(const ui::FileDialogRequest&) override { return Next(); }

 private:
  std::optional<std::string> Next() {
    if (answers.empty()) return std::nullopt;
    std::string path = answers.front();
    answers.pop_front();
    return path;
  }
};

class SaveLoadWindowTest : public ::testing::Test {
 protected:
  SaveLoadWindowTest() { main->show(); }
  ~SaveLoadWindowTest() override {
    main->Timer1->stop();
    platform::Forms().UnloadAll();
    ProcessEvents();
  }
  GameState& g() { return state.g(); }
  void StartGame(const std::string& name) { ASSERT_TRUE(shell::ConfirmNewGame(name, *main)); }
  // Closes the room view and the information panel, whose own timers would
  // write the state while a dialog is open.
  static void QuietWindows() {
    platform::Forms().Unload(form::kRoomView);
    platform::Forms().Unload(form::kInfoPanel);
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  std::unique_ptr<MDIForm1> main = std::make_unique<MDIForm1>();
};

TEST_F(SaveLoadWindowTest, AGameSavedWithTheFloatingToolsAndTheSlowSpeedComesBackWithThem) {
  AnsweringUi answering;
  ui::Install(&answering);
  StartGame("漫画太郎");
  main->MToolWindow_Click();
  main->MSSlow_Click();
  main->MSuiizi_Click();
  // Out on an outing, its window placed by the player.
  g().KoudouMode = koudou_mode::kOuting;
  g().MinutesPerStep = 5;
  g().KoudouShown = 1;
  g().StatusText = "散歩中";
  g().FormSlot[form::kWorking].Top = 1500;
  g().FormSlot[form::kWorking].Left = 3000;
  g().Kingaku = 765432;
  std::string path = TempPath("floating");
  answering.answers.push_back(path);
  main->MSaveGame_Click();
  ASSERT_TRUE(fs::exists(path));
  auto saved = std::make_unique<GameState>(g());

  StartGame("別の人");
  EXPECT_EQ(platform::Forms().Find(form::kToolWindow), nullptr);  // a new game docks the toolbar again
  EXPECT_TRUE(main->Picture1->isVisible());
  EXPECT_EQ(main->Timer1->interval(), 30);
  answering.answers.push_back(path);
  main->MLoadGame_Click();

  EXPECT_TRUE(main->Timer1->isActive());
  EXPECT_EQ(main->Timer1->interval(), 60);
  EXPECT_TRUE(main->Menu("MSSlow")->isChecked());
  ASSERT_NE(platform::Forms().Find(form::kToolWindow), nullptr);
  EXPECT_TRUE(platform::Forms().Find(form::kToolWindow)->SubWindow()->isVisible());
  EXPECT_FALSE(main->Picture1->isVisible());
  EXPECT_TRUE(main->Menu("MToolWindow")->isChecked());
  EXPECT_TRUE(main->Menu("MSuiizi")->isChecked());
  EXPECT_EQ(main->windowTitle(), QStringLiteral("Koratsu Version1.20"));

  // Save, load, save: the two files differ only in what a load resets (no
  // activity, the activity windows centred, no tutorial). The open flags are
  // those of play: the room view and the panel set theirs, the tool window
  // keeps none.
  EXPECT_EQ(g().FormSlot[form::kRoomView].Open, Value(1));
  EXPECT_EQ(g().FormSlot[form::kInfoPanel].Open, Value(1));
  EXPECT_TRUE(saved->FormSlot[form::kToolWindow].Open.IsEmpty());
  EXPECT_TRUE(g().FormSlot[form::kToolWindow].Open.IsEmpty());
  GameState& expected = *saved;
  expected.KoudouMode = koudou_mode::kNone;
  expected.MinutesPerStep = 0;
  expected.SigotoOn = 0;
  expected.KoudouShown = 0;
  expected.FormSlot[form::kWorking].Top = 0;
  expected.FormSlot[form::kWorking].Left = 0;
  expected.TutorialStage = tutorial_stage::kNone;
  std::string loaded = SavedBytes(g());
  std::string wanted = SavedBytes(expected);
  EXPECT_TRUE(loaded == wanted) << FirstDifference(loaded, wanted);
  fs::remove(path);
  ui::Install(&qt.Ui());
}

TEST_F(SaveLoadWindowTest, AFailedLoadSaysSoAndTheGameGoesOn) {
  AnsweringUi answering;
  ui::Install(&answering);
  StartGame("漫画太郎");
  QuietWindows();
  g().Kingaku = 4321;
  std::string before = SavedBytes(g());
  std::string path = TempPath("broken");
  {
    std::ofstream out(path, std::ios::binary);
    out << "\"1.20\",\"Koratsu\",1\r\n";
  }
  answering.answers.push_back(path);
  testing::ModalScript script;
  script.When(form::kMessage, [this](platform::Form& form) {
    EXPECT_FALSE(main->Timer1->isActive());
    form.findChild<QPushButton*>()->click();
  });
  main->MLoadGame_Click();
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(SavedBytes(g()) == before);
  EXPECT_TRUE(main->Timer1->isActive());
  fs::remove(path);
  ui::Install(&qt.Ui());
}

// Cancels the next file dialog once it is up, after `check` looked at it.
void CancelFileDialog(std::function<void(QFileDialog&)> check) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, check] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll->stop();
    poll->deleteLater();
    check(*dialog);
    dialog->reject();
  });
  poll->start();
}

TEST_F(SaveLoadWindowTest, CancellingEitherDialogLeavesTheGameAndTheClockAsTheyWere) {
  StartGame("漫画太郎");
  QuietWindows();
  std::string before = SavedBytes(g());
  CancelFileDialog([this](QFileDialog& dialog) {
    EXPECT_FALSE(main->Timer1->isActive());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ファイルを保存する"));
    EXPECT_EQ(dialog.directory().absolutePath().toStdString(), shell::SaveDialogRequest().folder);
    EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Koratsu (*.krt)")});
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("krt"));
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
  });
  main->MSaveGame_Click();
  EXPECT_TRUE(main->Timer1->isActive());
  EXPECT_TRUE(SavedBytes(g()) == before);

  CancelFileDialog([](QFileDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ファイルを開く"));
    EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Koratsu (*.krt)")});
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
  });
  main->MLoadGame_Click();
  EXPECT_TRUE(main->Timer1->isActive());
  EXPECT_TRUE(SavedBytes(g()) == before);
}

TEST_F(SaveLoadWindowTest, CancellingTheLoadOnTheTitleScreenKeepsTheClockOff) {
  CancelFileDialog([](QFileDialog&) {});
  main->MLoadGame_Click();
  EXPECT_FALSE(main->Timer1->isActive());
  EXPECT_FALSE(main->Menu("MKoudou")->isEnabled());
  EXPECT_TRUE(g().GameActive.IsEmpty());
}

}  // namespace
}  // namespace koratsu
