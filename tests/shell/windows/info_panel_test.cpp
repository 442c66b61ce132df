#include "shell/windows/info_panel.h"

#include <QMdiSubWindow>
#include <gtest/gtest.h>

#include "platform/twips.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/money.h"
#include "support/fresh_state.h"
#include "ui/forms.h"
#include "ui/game_ops.h"

namespace koratsu {
namespace {

using testing::ProcessEvents;

class InfoPanelTest : public ::testing::Test {
 protected:
  InfoPanelTest() {
    main.show();
    GameState& s = g();
    s.PlayerSei = "漫画太郎";
    s.PlayerMei = "";
    s.Kingaku = 12000;
    s.GameYear = 1970;
    s.GameMonth = 4;
    s.GameDay = 5;
    s.GameWeekday = 0;
    s.GameHour = 13;
    s.GameMinute = 5;
    s.Level = 3;
    s.Experience = 120;
    s.Stamina = 48.5;
    s.StaminaMax = 100;
    s.SigotoPoint = 30;
    s.Kyouyou = 10;
    s.KyouyouMax = 100;
    s.Hassouryoku = 20;
    s.HassouryokuMax = 100;
    s.Tinou = 30;
    s.TinouMax = 100;
    s.Souzouryoku = 40;
    s.SouzouryokuMax = 100;
    s.Garyoku = 50;
    s.GaryokuMax = 100;
    s.StatusText = "指示待ち";
  }
  GameState& g() { return state.g(); }
  Form4* Open() {
    ui::Show(form::kInfoPanel, ui::Modeless);
    return platform::Forms().Find<Form4>(form::kInfoPanel);
  }
  // Lets the panel's own 100 ms timer serve the pending request (a loaded
  // machine may take longer than one period).
  void WaitForRedraw() {
    for (int waited = 0; waited < 3000 && g().FormSlot[form::kInfoPanel].Redraw == 1; waited += 10) ProcessEvents(10);
  }
  // One step of the panel's timer after a redraw request.
  void Redraw(Form4* panel) {
    g().FormSlot[form::kInfoPanel].Redraw = 1;
    panel->Timer1_Timer();
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(InfoPanelTest, OpeningShowsEveryValueWithinOneTimerStep) {
  Form4* panel = Open();
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(g().FormSlot[form::kInfoPanel].Open, Value(1));
  EXPECT_EQ(panel->size(), QSize(319, 127));
  ASSERT_NE(panel->SubWindow(), nullptr);
  EXPECT_TRUE(panel->SubWindow()->isVisible());
  EXPECT_EQ(g().FormSlot[form::kInfoPanel].Redraw, Value(1)) << "the panel asks for its own first redraw";
  WaitForRedraw();
  EXPECT_EQ(g().FormSlot[form::kInfoPanel].Redraw, Value(0));
  EXPECT_EQ(panel->SubWindow()->windowTitle(), QStringLiteral("情報 - 指示待ち"));
  EXPECT_EQ(panel->NameText->text(), QStringLiteral("漫画太郎 "));
  EXPECT_EQ(panel->MoneyText->text(), QStringLiteral("1万2000円"));
  EXPECT_EQ(panel->YearText->text(), QStringLiteral("1970"));
  EXPECT_EQ(panel->MonthText->text(), QStringLiteral("4"));
  EXPECT_EQ(panel->DayText->text(), QStringLiteral("5"));
  EXPECT_EQ(panel->WeekdayText->text(), QStringLiteral("日曜日"));
  EXPECT_EQ(panel->HourText->text(), QStringLiteral("午後 1"));
  EXPECT_EQ(panel->MinuteText->text(), QStringLiteral("5"));
  EXPECT_EQ(panel->LevelText->text(), QStringLiteral("3"));
  EXPECT_EQ(panel->ExperienceText->text(), QStringLiteral("120"));
  EXPECT_EQ(panel->StaminaText->text(), QStringLiteral("48/100"));
  EXPECT_EQ(panel->SigotoPointText->text(), QStringLiteral("30ﾎﾟｲﾝﾄ"));
  EXPECT_EQ(panel->KyouyouText->text(), QStringLiteral("10/100"));
  EXPECT_EQ(panel->HassouryokuText->text(), QStringLiteral("20/100"));
  EXPECT_EQ(panel->TinouText->text(), QStringLiteral("30/100"));
  EXPECT_EQ(panel->SouzouryokuText->text(), QStringLiteral("40/100"));
  EXPECT_EQ(panel->GaryokuText->text(), QStringLiteral("50/100"));
  for (platform::Shape* caption : panel->Shape1) EXPECT_EQ(caption->FillColor(), 0xFF8000u);
}

TEST_F(InfoPanelTest, TheWidestDateAndTimeFitTheirPlaces) {
  g().GameMonth = 12;
  g().GameDay = 30;
  g().GameHour = 23;
  g().GameMinute = 58;
  Form4* panel = Open();
  ASSERT_NE(panel, nullptr);
  Redraw(panel);
  for (QLabel* label : {panel->YearText, panel->MonthText, panel->DayText, panel->HourText, panel->MinuteText}) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
        << label->text().toStdString() << " is cut off";
  }
}

TEST_F(InfoPanelTest, MoneyFollowsAddKingakuInTheChosenStyle) {
  Form4* panel = Open();
  panel->Timer1_Timer();
  g().Kingaku = 0;
  AddKingaku(12000);
  panel->Timer1_Timer();
  EXPECT_EQ(panel->MoneyText->text(), QStringLiteral("1万2000円"));

  // A change without a request waits for the next one.
  g().Kingaku = 5;
  panel->Timer1_Timer();
  EXPECT_EQ(panel->MoneyText->text(), QStringLiteral("1万2000円"));

  g().Kingaku = 12000;
  main.MSuiizi_Click();
  panel->Timer1_Timer();
  EXPECT_EQ(panel->MoneyText->text(), QStringLiteral("1万2000円")) << "the style shows at the next redraw";
  Redraw(panel);
  EXPECT_EQ(panel->MoneyText->text(), QStringLiteral("12,000円"));
}

TEST_F(InfoPanelTest, LowStaminaIsRedByItsValueWhileTheTextShowsTheWholePart) {
  struct Case {
    double stamina;
    const char* text;
    bool red;
  };
  const Case cases[] = {{5, "5/100", true}, {5.5, "5/100", false}, {0.3, "0/100", true}, {80, "80/100", false}};
  Form4* panel = Open();
  QColor normal = QPalette().color(QPalette::ButtonText);
  for (const Case& c : cases) {
    g().Stamina = c.stamina;
    Redraw(panel);
    EXPECT_EQ(panel->StaminaText->text(), QString::fromUtf8(c.text)) << c.stamina;
    EXPECT_EQ(panel->StaminaText->palette().color(QPalette::WindowText), c.red ? QColor(255, 0, 0) : normal)
        << c.stamina;
  }
}

TEST_F(InfoPanelTest, TheHourIsWrittenOnATwelveHourClock) {
  const std::pair<int, const char*> hours[] = {{0, "午前 0"}, {11, "午前 11"}, {12, "午後 0"}, {23, "午後 11"}};
  Form4* panel = Open();
  for (const auto& [hour, text] : hours) {
    g().GameHour = hour;
    Redraw(panel);
    EXPECT_EQ(panel->HourText->text(), QString::fromUtf8(text)) << hour;
  }
  // A weekday outside the week leaves the one shown.
  g().GameWeekday = 9;
  Redraw(panel);
  EXPECT_EQ(panel->WeekdayText->text(), QStringLiteral("日曜日"));
}

TEST_F(InfoPanelTest, BarsAreNeverNegativeEmptyWithoutACapAndLongerAboveTheirCap) {
  struct Case {
    double value, cap;
    int pixels;
  };
  const Case cases[] = {{50, 100, platform::Px(855 * 0.5)}, {100, 100, 57}, {0, 100, 0}, {-5, 100, 0},
                        {5, 0, 0},  {5, -3, 0},  {150, 100, platform::Px(855 * 1.5)}};
  Form4* panel = Open();
  for (const Case& c : cases) {
    g().Kyouyou = c.value;
    g().KyouyouMax = c.cap;
    g().Stamina = c.value;
    g().StaminaMax = c.cap;
    Redraw(panel);
    EXPECT_EQ(panel->Shape2[1]->width(), c.pixels) << c.value << "/" << c.cap;
    EXPECT_EQ(panel->Shape2[0]->width(), c.pixels) << c.value << "/" << c.cap;
    EXPECT_EQ(panel->Shape11[1]->width(), 57);
  }
  EXPECT_GT(platform::Px(855 * 1.5), panel->Shape12[1]->width());
  // A value far above its cap still ends at the panel's edge.
  EXPECT_EQ(Form4::BarWidth(1e12, 1), 4785);
}

TEST_F(InfoPanelTest, ClosingItLetsTheWindowMenuOpenItAgain) {
  Form4* panel = Open();
  panel->SubWindow()->close();
  ProcessEvents();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kInfoPanel));
  EXPECT_EQ(g().FormSlot[form::kInfoPanel].Open, Value(0));
  g().Kingaku = 3;
  panel = Open();
  WaitForRedraw();
  EXPECT_EQ(panel->MoneyText->text(), QStringLiteral("3円"));
}

// Not a test: the panel beside the room of a game some way in, for the
// documentation (panel).
TEST_F(InfoPanelTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"panel"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::StartSceneGame(main, "漫画太郎");
  g().Kingaku = 268000;
  g().Level = 3;
  g().Experience = 120;
  g().Stamina = 19.5;
  g().FormSlot[form::kInfoPanel].Redraw = 1;
  shot.Take(main);
}

}  // namespace
}  // namespace koratsu
