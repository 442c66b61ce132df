#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/clock_fixture.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {
namespace {

using testing::ClockTest;
using testing::TalkRecord;
using testing::UiEvent;

const char kWarning[] = "  体力が非常に少なくなっていて危険です。気をつけてください。";

class StaminaTest : public ClockTest {
 protected:
  // Works the half hour before `hour`, so that its hourly rules run.
  void WorkInto(int hour) {
    if (g.KoudouMode == koudou_mode::kNone) StartWork();
    g.GameHour = hour - 1;
    g.GameMinute = 30;
    g.SubTick = 0;
    g.TicksPerStep = 1;
    TimerEvent();
  }
};

TEST_F(StaminaTest, TheLowStaminaWarningComesOncePerDip) {
  std::vector<Value> hoursWarned;
  ui.OnTalk([&](const TalkRecord&) { hoursWarned.push_back(g.GameHour); });

  g.Stamina = 5.9;
  WorkInto(11);
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "警告");
  EXPECT_EQ(ui.Talk(0).lines, std::vector<std::string>{kWarning});
  EXPECT_EQ(g.StaminaWarned, 1);

  g.Stamina = 5.5;
  WorkInto(12);
  EXPECT_EQ(ui.Talks().size(), 1u);

  g.Stamina = 6.0;
  WorkInto(13);
  EXPECT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(g.StaminaWarned, 0);

  g.Stamina = 5.0;
  WorkInto(14);
  EXPECT_EQ(ui.Talks().size(), 2u);
  EXPECT_EQ(hoursWarned, (std::vector<Value>{11, 14}));
  EXPECT_EQ(g.TalkLineCount, 0);
}

TEST_F(StaminaTest, StaminaBelowOneWarnsThenEndsTheGameAndTheTick) {
  for (double warned : {0.0, 1.0}) {
    ui.Clear();
    g.GameActive = 1;
    g.StaminaWarned = warned;
    g.Stamina = 0.9;
    g.CaptionRefresh = 0;
    g.FormSlot[form::kCompletion].Redraw = 0;
    PlaceWork(0, 5, 10, 4);
    ui.On(form::kGameOver, [&] {
      EXPECT_EQ(g.GameOverCause, 2);
      g.GameActive = 0;
    });

    WorkInto(15);

    std::vector<UiEvent::Kind> kinds;
    for (const UiEvent& e : ui.Events()) kinds.push_back(e.kind);
    if (warned == 0) {
      EXPECT_EQ(kinds, (std::vector<UiEvent::Kind>{UiEvent::Talk, UiEvent::Show}));
    } else {
      EXPECT_EQ(kinds, (std::vector<UiEvent::Kind>{UiEvent::Show}));
    }
    EXPECT_EQ(ui.Shown(), std::vector<int>{form::kGameOver});
    // Nothing after the game over ran: no drawing, no stamina, no end of step.
    EXPECT_EQ(g.SlotKanseido[0], 5);
    EXPECT_EQ(g.Stamina, 0.9);
    EXPECT_EQ(g.FormSlot[form::kCompletion].Redraw, 0);
    EXPECT_EQ(g.CaptionRefresh, 0);
    EXPECT_EQ(g.GameHour, 15);
  }
}

TEST_F(StaminaTest, TheHourChangesStaminaBySchedulePlaceAndWork) {
  struct Case {
    const char* what;
    int pattern, hour;
    bool sigotoOn;
    double points;  // of a work in slot 2; negative for no work
    double stamina, staminaAfter, progressAfter;
  };
  const Case cases[] = {
      {"early schedule, worked", 1, 12, true, 10, 10, 10.1, 3},
      {"middle schedule, worked", 2, 12, true, 10, 10, 10.08, 3},
      {"late schedule, worked", 3, 12, true, 10, 10, 9.7, 3},
      {"a work with no points still counts", 1, 12, true, 0, 10, 10.1, 2},
      {"nothing in production", 1, 12, true, -1, 10, 10.08, 0},
      {"asleep in the work mode", 2, 3, true, 10, 10, 10.3, 2},
      {"rest is capped", 2, 3, true, 10, 24.9, 25, 2},
      {"awake, not drawing", 2, 12, false, 10, 10, 10, 2},
  };
  for (const Case& c : cases) {
    g.KoudouMode = koudou_mode::kWork;
    g.MinutesPerStep = 30;
    g.SigotoOn = c.sigotoOn ? 1 : 0;
    g.SukezyuruType = c.pattern;
    g.Stamina = c.stamina;
    if (c.points >= 0) {
      PlaceWork(2, 2, 50, c.points);
    } else {
      PlaceWork(2, 0, 50, 0);
    }
    WorkInto(c.hour);
    EXPECT_NEAR(g.Stamina.Num(), c.staminaAfter, 1e-9) << c.what;
    EXPECT_NEAR(g.SlotKanseido[2].Num(), c.progressAfter, 1e-9) << c.what;
  }
}

TEST_F(StaminaTest, WorksAdvanceUpToAndPastTheirTargetButSerialsWait) {
  StartWork();
  PlaceWork(0, 9.5, 10, 5);      // reaches its target exactly: goes on next hour
  PlaceWork(1, 10.5, 10, 5, 6);  // a serial episode past its target
  WorkInto(12);
  EXPECT_EQ(g.SlotKanseido[0], 10);
  EXPECT_EQ(g.SlotKanseido[1], 10.5);
  EXPECT_EQ(g.FormSlot[form::kCompletion].Redraw, 1);
  EXPECT_TRUE(ui.Messages().empty());

  ui.On(form::kWorkTitle, [&] { g.SlotKanseido[g.FinishedSlot] = 0; });
  WorkInto(13);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"漫画が完成しました。"});
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kWorkTitle});
  EXPECT_EQ(g.SlotKanseido[1], 10.5);
}

TEST_F(StaminaTest, TwoWorksFinishingInOneHourGetTheirWindowsInSlotOrder) {
  StartWork();
  ui::Show(form::kWorking, ui::Modeless);
  ui.Clear();
  PlaceWork(1, 9.8, 10, 5);
  PlaceWork(2, 10.5, 10, 5, 6);
  PlaceWork(4, 19.9, 20, 2);
  std::vector<Value> finished;
  ui.On(form::kWorkTitle, [&] {
    finished.push_back(g.FinishedSlot);
    g.SlotKanseido[g.FinishedSlot] = 0;
  });

  WorkInto(12);

  std::vector<std::string> seen;
  for (const UiEvent& e : ui.Events()) {
    if (e.kind == UiEvent::Message) seen.push_back(e.text);
    if (e.kind == UiEvent::Show) seen.push_back(form::Name(e.form));
    if (e.kind == UiEvent::Unload) seen.push_back("close " + form::Name(e.form));
  }
  const std::string title = form::Name(form::kWorkTitle);
  EXPECT_EQ(seen, (std::vector<std::string>{"close " + form::Name(form::kWorking), "漫画が完成しました。", title,
                                            "漫画が完成しました。", title}));
  EXPECT_EQ(finished, (std::vector<Value>{1, 4}));
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
  EXPECT_EQ(g.SigotoOn, 0);
  EXPECT_NEAR(g.Stamina.Num(), 20.08, 1e-9);
  EXPECT_EQ(g.CaptionRefresh, 1);
}

TEST_F(StaminaTest, AGameEndedFromATitleWindowEndsTheTick) {
  StartWork();
  PlaceWork(0, 9.8, 10, 5);
  PlaceWork(3, 9.8, 10, 5);
  ui.On(form::kWorkTitle, [&] { g.GameActive = 0; });  // the work went on to an editor who found it copied

  WorkInto(12);

  EXPECT_EQ(ui.ShownCount(form::kWorkTitle), 1);
  EXPECT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(g.SlotKanseido[3], 9.8);
  EXPECT_EQ(g.Stamina, 20);
  EXPECT_EQ(g.CaptionRefresh, 0);
}

}  // namespace
}  // namespace koratsu
