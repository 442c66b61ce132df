// A game played through the main window's menu and the studio's windows:
// the five pieces of equipment bought in the apartment, the move, four
// assistants hired and one of them dismissed, with the room view open.

#include <QApplication>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <memory>

#include "life/windows/assistant_windows.h"
#include "life/windows/equipment_window.h"
#include "platform/pictures.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "roomview/sheet_layout.h"
#include "roomview/walking.h"
#include "roomview/windows/room_view_window.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "state/game_state.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

void Press(QWidget* target) {
  const QPointF at(3, 3);
  QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &press);
}

void Yes(Form& box) { static_cast<Form40&>(box).Command1[0]->click(); }

class StudioWindowsTest : public ::testing::Test {
 protected:
  StudioWindowsTest() {
    main->show();
    if (shot.Asked()) testing::Screenshot::Settle();
    ClearGameState();
    main->GameOn();
    g().PlayerSei = "漫画家";
    if (shot.Asked()) {
      // The first clock event: the date in the caption, the title screen's hint gone.
      g().CaptionRefresh = 1;
      main->Timer1_Timer();
    }
  }
  ~StudioWindowsTest() override { main->Timer1->stop(); }
  GameState& g() { return state.g(); }

  // The picture of the main window and what stands over it, when it is the
  // one asked for.
  void Shot(const char* name) {
    if (shot.Is(name)) shot.Take(*main);
  }

  void Buy(int row) {
    ModalScript script;
    script
        .When(form::kEquipment,
              [this, row](Form& window) {
                auto& w = static_cast<Form19&>(window);
                Press(w.Image2[static_cast<std::size_t>(row)]);
                if (row == 2) Shot("equipment");
                w.Command2->click();
              })
        .When(form::kYesNo, Yes);
    main->MDouguKounyu_Click();
  }

  // Opens the hiring window until its offer holds someone of picture
  // `picture`, closing it otherwise, and hires him.
  void Hire(int picture) {
    for (int opening = 0; opening < 50; ++opening) {
      bool hired = false;
      ModalScript script;
      script.When(form::kHireAssistant, [&](Form& window) {
        auto& w = static_cast<Form52&>(window);
        for (int p = 0; p <= w.HScroll1->maximum() && !hired; ++p) {
          if (g().Assistant[g().AsiList[p]].Picture != picture) continue;
          w.HScroll1->setValue(p);
          if (picture == 1) Shot("hire");
          hired = true;
        }
        (hired ? w.Command1 : w.Command2)->click();
      });
      main->MGetAsi_Click();
      if (hired) return;
    }
    ADD_FAILURE() << "no offer held picture " << picture;
  }

  void Walk(int updates) {
    for (int n = 0; n < updates; ++n) {
      MoveFigures();
      if (shot.Asked()) ProcessEvents(20);
    }
  }

  const testing::Screenshot shot{"equipment", "hire", "room-house"};
  testing::FreshState state;
  testing::QtUiScope qt;
  std::unique_ptr<MDIForm1> main = std::make_unique<MDIForm1>();
};

// Whether the room view's frame shows figure `figure`: it changes when the
// figure is hidden.
bool FigureSeen(Form1& view, GameState& g, int figure) {
  const std::vector<std::uint32_t> shown = view.Graphic.pixels;
  Value& source = g.Sprite[g.Figure[figure].Sprite].SrcY;
  const Value kept = source;
  source = sheet::kHiddenSourceY;
  view.Timer1_Timer();
  const bool seen = view.Graphic.pixels != shown;
  source = kept;
  view.Timer1_Timer();
  return seen;
}

// With no activity under way the figures take no step; the player who moved
// in and the assistant just hired are seen all the same.
TEST_F(StudioWindowsTest, TheRoomShowsWhoMovedInAndWhoWasHiredBeforeTheClockRuns) {
  g().Kingaku = 50000000;
  g().LifeStatus = 3;
  Walk(40);  // asleep in the apartment's bed, hidden in it
  ASSERT_EQ(g().Sprite[g().Figure[0].Sprite].SrcY, Value(sheet::kHiddenSourceY));
  g().LifeStatus = 1;
  {
    ModalScript script;
    script.When(form::kYesNo, Yes);
    main->MHikkosi_Click();
  }
  ASSERT_EQ(g().HouseKind, Value(1));
  Form1* view = platform::Forms().Find<Form1>(form::kRoomView);
  ASSERT_NE(view, nullptr);
  ProcessEvents(100);
  EXPECT_TRUE(FigureSeen(*view, g(), 0)) << "the player at the new room's door";

  Hire(2);
  ASSERT_NE(g().AsiDesk[0], Value(-1));
  ProcessEvents(100);
  EXPECT_TRUE(FigureSeen(*view, g(), 1)) << "the new assistant on his way to his desk";
}

// Asked for the picture equipment, hire or room-house (see Screenshot), the
// play also takes it.
TEST_F(StudioWindowsTest, TheStudioBuiltThroughItsWindows) {
  g().Kingaku = 200000 + 210000 + 400000 + 190000 + 250000 + 50000000;
  g().LifeStatus = 2;
  for (int row = 0; row < 5; ++row) Buy(row);
  EXPECT_EQ(g().SigotoPoint, Value(33));
  for (int row = 0; row < 5; ++row) EXPECT_TRUE(g().Equipment[row].Owned == 1) << row;

  {
    ModalScript script;
    script.When(form::kYesNo, Yes);
    main->MHikkosi_Click();
  }
  EXPECT_EQ(g().HouseKind, Value(1));
  EXPECT_EQ(g().Kingaku, Value(0));
  // The room view shows the larger room whole, out to the far corner of what
  // stands in front of its floor.
  Form1* view = platform::Forms().Find<Form1>(form::kRoomView);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->SubWindow()->size(), QSize(415, 303));
  EXPECT_EQ(view->Graphic.width, sheet::kRoomWidth[1]);
  EXPECT_EQ(view->Graphic.height, sheet::kRoomHeight[1]);
  const sheet::Placement& front = sheet::kHouseFurniture[16];
  EXPECT_GT(view->width(), front.x + front.source.width);
  EXPECT_GT(view->height(), front.y + front.source.height);

  Walk(20);
  for (int k = 0; k < 4; ++k) {
    Hire(k + 1);
    ASSERT_NE(g().AsiDesk[k], Value(-1)) << k;
    EXPECT_EQ(g().Figure[k + 1].Picture, Value(k + 1));
    Walk(20);
  }
  Walk(10);
  const int deskX[4] = {270, 312, 240, 282};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(g().Sprite[g().Figure[k + 1].Sprite].X, Value(deskX[k])) << k;
  main->Client->setActiveSubWindow(view->SubWindow());
  Shot("room-house");

  // One of them leaves.
  const long long leaving = g().AsiDesk[2].Index();
  {
    ModalScript script;
    script
        .When(form::kDismissAssistant,
              [&](Form& window) {
                auto& w = static_cast<Form53&>(window);
                for (int p = 0; p <= w.HScroll1->maximum(); ++p)
                  if (g().AsiList[p] == leaving) w.HScroll1->setValue(p);
                w.Command1->click();
              })
        .When(form::kYesNo, Yes);
    main->MAsiKaiko_Click();
  }
  EXPECT_TRUE(g().Assistant[leaving].Hired == 0);
  EXPECT_EQ(g().AsiDesk[2], Value(-1));
  EXPECT_EQ(g().Sprite[g().Figure[3].Sprite].SrcX, Value(sheet::kLeavingSourceX));
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kDismissAssistant));
}

}  // namespace
}  // namespace koratsu
