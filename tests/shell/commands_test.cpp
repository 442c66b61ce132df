#include "shell/commands.h"

#include <gtest/gtest.h>

#include "shell/settings.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/money.h"
#include "ui/forms.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

using shell::ChildView;
using shell::Command;
using shell::ToggleAction;
using testing::RecordingScreen;
using testing::UiEvent;

// A main window whose child windows stand as a test sets them.
class ChildrenScreen : public RecordingScreen {
 public:
  std::map<int, ChildView> children;
  std::vector<std::pair<int, ToggleAction>> arranged;

  ChildView ChildWindow(int form) override { return children.count(form) ? children[form] : ChildView{}; }
  void ArrangeChild(int form, ToggleAction action) override { arranged.emplace_back(form, action); }
};

class CommandsTest : public ::testing::Test {
 protected:
  CommandsTest() { g().GameActive = 1; }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::ScriptedUi ui;
  ChildrenScreen screen;
};

TEST_F(CommandsTest, TheActivityRuleRefusesOnlyDuringAnOutingAJobOrTraining) {
  struct Case {
    Value mode;
    const char* refusal;
  };
  const Case cases[] = {
      {Value(), nullptr},
      {koudou_mode::kNone, nullptr},
      {koudou_mode::kOuting, "現在行動中です。"},
      {koudou_mode::kWork, nullptr},
      {koudou_mode::kArubaito, "現在アルバイト中です。"},
      {koudou_mode::kSyugyou, "現在修行中です。"},
      {5, nullptr},
  };
  struct Activity {
    Command command;
    int form;
    int mode;
  };
  const Activity activities[] = {
      {Command::Sigotosuru, form::kWorking, ui::Modeless},
      {Command::Sanpo, form::kOuting, ui::Modal},
      {Command::Arubaito, form::kArubaito, ui::Modal},
      {Command::Syugyou, form::kTraining, ui::Modal},
  };
  for (const Activity& activity : activities) {
    for (const Case& c : cases) {
      SCOPED_TRACE("command " + std::to_string(static_cast<int>(activity.command)) + " with KoudouMode " + c.mode.Str());
      ui.Clear();
      g().KoudouMode = c.mode;
      g().MinutesPerStep = 7;
      g().SigotoOn = 0;
      shell::RunCommand(activity.command, screen);
      if (c.refusal) {
        EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.refusal});
        EXPECT_EQ(ui.ClockSwitches(), (std::vector<int>{0, 1}));  // paused around the box
        EXPECT_TRUE(ui.Shown().empty());
        EXPECT_EQ(g().KoudouMode, c.mode);
        EXPECT_EQ(g().MinutesPerStep, Value(7));
        continue;
      }
      EXPECT_TRUE(ui.Messages().empty());
      ASSERT_EQ(ui.Shown(), std::vector<int>{activity.form});
      bool work = activity.command == Command::Sigotosuru;
      // Work sets itself going; the others stop it and leave the start to their dialog.
      EXPECT_EQ(g().KoudouMode, Value(work ? koudou_mode::kWork : koudou_mode::kNone));
      EXPECT_EQ(g().MinutesPerStep, Value(work ? 30 : 0));
      EXPECT_EQ(g().SigotoOn, Value(work ? 1 : 0));
      if (work) {
        EXPECT_EQ(ui.ClockSwitches(), std::vector<int>{1});
      }
      for (const UiEvent& e : ui.Events()) {
        if (e.kind == UiEvent::Show) {
          EXPECT_EQ(e.number, activity.mode);
        }
      }
    }
  }
}

TEST_F(CommandsTest, GoingOutDuringWorkClosesTheWorkingWindowFirst) {
  shell::RunCommand(Command::Sigotosuru, screen);
  ASSERT_TRUE(ui.IsLoaded(form::kWorking));
  ui.Clear();
  shell::RunCommand(Command::Sanpo, screen);
  ASSERT_EQ(ui.Events().size(), 2u);
  EXPECT_EQ(ui.Events()[0].kind, UiEvent::Unload);
  EXPECT_EQ(ui.Events()[0].form, form::kWorking);
  EXPECT_EQ(ui.Events()[1].kind, UiEvent::Show);
  EXPECT_EQ(ui.Events()[1].form, form::kOuting);
  EXPECT_EQ(g().KoudouMode, Value(koudou_mode::kNone));
  EXPECT_EQ(g().SigotoOn, Value(0));
}

TEST_F(CommandsTest, AdvancingTimeTwiceOnlyBringsTheWorkingWindowForward) {
  shell::RunCommand(Command::Sigotosuru, screen);
  shell::RunCommand(Command::Sigotosuru, screen);
  EXPECT_EQ(ui.ShownCount(form::kWorking), 2);
  for (const UiEvent& e : ui.Events()) EXPECT_NE(e.kind, UiEvent::Unload);
  EXPECT_EQ(g().MinutesPerStep, Value(30));
  EXPECT_EQ(g().KoudouMode, Value(koudou_mode::kWork));
}

TEST_F(CommandsTest, TheWindowToggleDecidesByTheOpenFlagAndTheWindowsState) {
  struct Case {
    Value open;
    ChildView view;
    ToggleAction action;
  };
  const Case cases[] = {
      {0, {}, ToggleAction::Show},
      {Value(), {}, ToggleAction::Show},
      {0, {.loaded = true}, ToggleAction::Show},
      {1, {}, ToggleAction::Show},  // the flag from a file, the window not there
      {1, {.loaded = true, .active = true}, ToggleAction::Minimise},
      {1, {.loaded = true, .active = true, .minimised = true}, ToggleAction::Restore},
      {1, {.loaded = true, .active = true, .maximised = true}, ToggleAction::Nothing},
      {1, {.loaded = true}, ToggleAction::Focus},
      {1, {.loaded = true, .minimised = true}, ToggleAction::Restore},
      {1, {.loaded = true, .maximised = true}, ToggleAction::Focus},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("open " + c.open.Str() + ", loaded " + std::to_string(c.view.loaded) + ", active " +
                 std::to_string(c.view.active) + ", minimised " + std::to_string(c.view.minimised) +
                 ", maximised " + std::to_string(c.view.maximised));
    EXPECT_EQ(shell::DecideToggle(c.open, c.view), c.action);
  }
}

TEST_F(CommandsTest, TheToggleShowsAClosedWindowAndArrangesAnOpenOne) {
  shell::RunCommand(Command::ComicRank, screen);
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kComicsRanking});
  EXPECT_EQ(ui.Events().back().number, ui::Modeless);
  EXPECT_TRUE(screen.arranged.empty());

  g().FormSlot[form::kRoomView].Open = 1;
  screen.children[form::kRoomView] = {.loaded = true, .active = true};
  shell::RunCommand(Command::VisualWindow, screen);
  screen.children[form::kRoomView].minimised = true;
  shell::RunCommand(Command::VisualWindow, screen);
  using Arranged = std::vector<std::pair<int, ToggleAction>>;
  EXPECT_EQ(screen.arranged,
            (Arranged{{form::kRoomView, ToggleAction::Minimise}, {form::kRoomView, ToggleAction::Restore}}));
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kComicsRanking});  // no second copy
}

TEST_F(CommandsTest, EachCommandOpensItsWindow) {
  struct Case {
    Command command;
    int form;
    int mode;
  };
  const Case cases[] = {
      {Command::NewGame, form::kNewGame, ui::Modal},
      {Command::ChuutoRiaru, form::kTutorialStartEnd, ui::Modal},
      {Command::MangaRSyuuryou, form::kEndSerial, ui::Modal},
      {Command::MangaOkuru, form::kContestPost, ui::Modal},
      {Command::Motikomu, form::kBringIn, ui::Modal},
      {Command::Sukezyuru, form::kSchedule, ui::Modal},
      {Command::DouguKounyu, form::kEquipment, ui::Modal},
      {Command::Torofi, form::kTrophies, ui::Modal},
      {Command::HelpVersion, form::kAbout, ui::Modal},
      {Command::KozinRanc, form::kAssetRanking, ui::Modeless},
      {Command::ComicRank, form::kComicsRanking, ui::Modeless},
      {Command::SyuppanYukou, form::kFriendship, ui::Modeless},
      {Command::TiPoint, form::kKnowledgeList, ui::Modeless},
      {Command::ImamadeManga, form::kArchive, ui::Modeless},
      {Command::Kanseido, form::kCompletion, ui::Modeless},
      {Command::VisualWindow, form::kRoomView, ui::Modeless},
      {Command::Info2, form::kInfoPanel, ui::Modeless},
  };
  for (const Case& c : cases) {
    ui.Clear();
    shell::RunCommand(c.command, screen);
    ASSERT_EQ(ui.Events().size(), 1u) << c.form;
    EXPECT_EQ(ui.Events()[0].kind, UiEvent::Show) << c.form;
    EXPECT_EQ(ui.Events()[0].form, c.form);
    EXPECT_EQ(ui.Events()[0].number, c.mode) << c.form;
  }
  ui.Clear();
  shell::RunCommand(Command::HelpGame, screen);
  ASSERT_EQ(ui.Events().size(), 1u);
  EXPECT_EQ(ui.Events()[0].kind, UiEvent::Help);
}

// Records the setting the main window was asked to show, as the state held it then.
class SettingsUi : public testing::ScriptedUi {
 public:
  std::vector<std::string> shown;
  void GameSpeedChange() override { shown.push_back("speed " + State().GameSpeed.Str()); }
  void ChangeKoukaon() override { shown.push_back("sound " + State().Koukaon.Str()); }
  void ChangeKingaku() override {
    shell::ApplyKingakuHyouzi();
    shown.push_back("money " + State().KingakuHyouzi.Str() + " " + State().KingakuComma.Str());
  }
  void ChangeToolStyle() override { shown.push_back("tools " + State().ToolStyle.Str()); }
};

TEST(SettingsTest, AnEntryStoresItsValueAndAppliesIt) {
  testing::FreshState state;
  SettingsUi ui;
  shell::ChooseSetting(shell::Setting::GameSpeed, 3);
  shell::ChooseSetting(shell::Setting::Koukaon, 2);
  shell::ChooseSetting(shell::Setting::KingakuHyouzi, 2);
  shell::ChooseSetting(shell::Setting::ToolStyle, 1);
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"speed 3", "sound 2", "money 2 1", "tools 1"}));
  EXPECT_EQ(FormatKingaku(Value(123456789)), "123,456,789");
  shell::ChooseSetting(shell::Setting::KingakuHyouzi, 1);
  EXPECT_EQ(state.g().KingakuComma, Value(0));
  EXPECT_EQ(FormatKingaku(Value(123456789)), "1億2345万6789");
}

TEST(SettingsTest, ValuesThatAreNoSettingShowTheNewWorldsChoicesAndStayInTheState) {
  testing::FreshState state;
  SettingsUi ui;
  GameState& g = state.g();
  g.GameSpeed = Value();
  g.Koukaon = 7;
  g.KingakuHyouzi = Value();
  g.KingakuComma = Value();
  shell::ShowSettings();
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"speed 2", "sound 1", "money 1 0"}));
  EXPECT_TRUE(g.GameSpeed.IsEmpty());
  EXPECT_EQ(g.Koukaon, Value(7));
  EXPECT_TRUE(g.KingakuHyouzi.IsEmpty());
  EXPECT_TRUE(g.KingakuComma.IsEmpty());

  ui.shown.clear();
  g.GameSpeed = 1;
  g.Koukaon = 2;
  g.KingakuHyouzi = 2;
  shell::ShowSettings();
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"speed 1", "sound 2", "money 2 1"}));
}

}  // namespace
}  // namespace koratsu
