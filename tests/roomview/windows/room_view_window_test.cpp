#include "roomview/windows/room_view_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/pictures.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "roomview/sheet_layout.h"
#include "roomview/walking.h"
#include "shell/windows/main_window.h"
#include "state/game_state.h"
#include "shell/world_setup.h"
#include "support/fresh_state.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {
namespace {

using testing::ProcessEvents;

PixelBuffer Picture(const char* name) {
  const QImage image = platform::LoadImage(QString("Graphic/") + name).convertToFormat(QImage::Format_RGB32);
  PixelBuffer b(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y)
    std::copy_n(reinterpret_cast<const std::uint32_t*>(image.constScanLine(y)), image.width(), b.Line(y));
  return b;
}

class RoomViewTest : public ::testing::Test {
 protected:
  RoomViewTest() {
    main->show();
    ClearGameState();
    shell::InitWorld();
    g().LifeStatus = 2;
    MoveFigures();
  }
  ~RoomViewTest() override { main->Timer1->stop(); }

  GameState& g() { return state.g(); }
  Form1* Open() {
    ui::Show(form::kRoomView, ui::Modeless);
    return platform::Forms().Find<Form1>(form::kRoomView);
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  std::unique_ptr<MDIForm1> main = std::make_unique<MDIForm1>();
};

TEST_F(RoomViewTest, OpensAtTheTopLeftOfTheMainWindowWithTheApartment) {
  Form1* view = Open();
  ASSERT_NE(view, nullptr);
  ASSERT_NE(view->SubWindow(), nullptr);
  EXPECT_EQ(view->SubWindow()->windowTitle(), QStringLiteral("ビジュアルウインドウ"));
  EXPECT_EQ(view->SubWindow()->pos(), QPoint(0, 0));
  EXPECT_EQ(view->SubWindow()->size(), QSize(353, 260));
  EXPECT_TRUE(g().FormSlot[form::kRoomView].Open == 1);
  EXPECT_TRUE(view->Timer1->isActive());
  EXPECT_EQ(view->Timer1->interval(), 30);
  EXPECT_EQ(view->BitMap.pixels, Picture("Heya1.bmp").pixels);
  EXPECT_EQ(view->GraphicM.width, sheet::kSheetWidth);
  EXPECT_EQ(view->GraphicC.height, sheet::kSheetHeight);

  // The timer composes frames on its own, whether the clock runs or not.
  g().SpriteVisibleCount = -1;
  // Wait for a few frames; a loaded machine may deliver the first ones late.
  for (int waited = 0; waited < 5000 && !(g().SpriteVisibleCount.Num() > 6); waited += 30) ProcessEvents(30);
  EXPECT_GT(g().SpriteVisibleCount.Num(), 6);

  // A frame is the room with the sprites over it, and it is what the window shows.
  view->Timer1->stop();
  view->Timer1_Timer();
  PixelBuffer expected = view->BitMap;
  ComposeFrame(view->BitMap, view->GraphicM, view->GraphicC, expected, view->width(), view->height());
  EXPECT_EQ(view->Graphic.pixels, expected.pixels);
  EXPECT_NE(view->Graphic.pixels, view->BitMap.pixels);
  const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QPoint player(static_cast<int>(g().Sprite[g().Figure[0].Sprite].X.Num()) + 8,
                      static_cast<int>(g().Sprite[g().Figure[0].Sprite].Y.Num()) + 16);
  EXPECT_EQ(shown.pixel(player), view->Graphic.At(player.x(), player.y()));
}

TEST_F(RoomViewTest, MovingHouseGivesTheLargerRoomWholeAndOtherDwellingsChangeNothing) {
  Form1* view = Open();
  ASSERT_NE(view, nullptr);
  g().HouseKind = 1;
  ui::CallForm(form::kRoomView, "GraphicChange");
  EXPECT_EQ(view->SubWindow()->size(), QSize(415, 303));
  ProcessEvents();
  EXPECT_EQ(view->BitMap.pixels, Picture("Heya2.bmp").pixels);
  EXPECT_EQ(view->Graphic.width, sheet::kRoomWidth[1]);
  EXPECT_EQ(view->Graphic.height, sheet::kRoomHeight[1]);
  view->Timer1_Timer();
  // The room's far corner, beyond the apartment's size, is drawn.
  const int x = sheet::kRoomWidth[1] - 10, y = sheet::kRoomHeight[1] - 10;
  EXPECT_LT(x, view->width());
  EXPECT_LT(y, view->height());
  EXPECT_EQ(view->Graphic.At(x, y), view->BitMap.At(x, y));

  g().HouseKind = 5;
  ui::CallForm(form::kRoomView, "GraphicChange");
  EXPECT_EQ(view->SubWindow()->size(), QSize(415, 303));
  EXPECT_EQ(view->BitMap.width, sheet::kRoomWidth[1]);
}

// Counts the paint events of a widget.
class PaintCount : public QObject {
 public:
  explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

TEST_F(RoomViewTest, ARoomWhereNothingMovesIsNeitherComposedNorPaintedAgain) {
  Form1* view = Open();
  ASSERT_NE(view, nullptr);
  view->Timer1->stop();
  view->Timer1_Timer();
  {
    // The first show's paints settle, however busy the machine: wait for a
    // quiet spell before counting.
    const PaintCount settling(view);
    for (int seen = -1, round = 0; seen != settling.paints && round < 20; ++round) {
      seen = settling.paints;
      ProcessEvents(100);
    }
  }
  const PaintCount count(view);
  const std::vector<std::uint32_t> shown = view->Graphic.pixels;
  for (int frame = 0; frame < 10; ++frame) {
    view->Timer1_Timer();
    ProcessEvents();
  }
  EXPECT_EQ(count.paints, 0);

  // Each change is shown at the next frame, as a frame composed afresh shows it.
  struct Change {
    const char* what;
    std::function<void()> make;
  } changes[] = {
      {"a step", [] { MoveFigures(); }},
      {"a sprite's picture", [this] { g().Sprite[g().Figure[0].Sprite].SrcY = sheet::kHiddenSourceY; }},
      {"the frame list read from a file", [this] { g().SpriteVisibleCount = 0; }},
      {"the room", [this, view] {
         g().HouseKind = 1;
         view->GraphicChange();
       }},
  };
  for (const Change& change : changes) {
    const int paints = count.paints;
    change.make();
    view->Timer1_Timer();
    ProcessEvents();
    EXPECT_GT(count.paints, paints) << change.what;
    PixelBuffer fresh = view->Graphic;
    ComposeFrame(view->BitMap, view->GraphicM, view->GraphicC, fresh, view->width(), view->height());
    EXPECT_EQ(fresh.pixels, view->Graphic.pixels) << change.what;
  }
  EXPECT_NE(view->Graphic.pixels, shown);
  EXPECT_GT(g().SpriteVisibleCount.Num(), 6);
}

TEST_F(RoomViewTest, MissingPicturesShowAnEmptyRoom) {
  QTemporaryDir empty;
  platform::SetProgramFolder(empty.path());
  Form1* view = Open();
  platform::SetProgramFolder(QStringLiteral(KORATSU_BUILD_DIR));
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->BitMap.width, sheet::kRoomWidth[0]);
  EXPECT_EQ(view->BitMap.height, sheet::kRoomHeight[0]);
  EXPECT_TRUE(view->GraphicM.Empty());
  view->Timer1_Timer();
  for (std::uint32_t p : view->Graphic.pixels) ASSERT_EQ(p, 0xFF000000u);
}

TEST_F(RoomViewTest, ClosingItLeavesTheSpritesAsTheyWere) {
  Form1* view = Open();
  ASSERT_NE(view, nullptr);
  const double x = g().Sprite[g().Figure[0].Sprite].X.Num();
  const double count = g().SpriteDrawCount.Num();
  view->SubWindow()->close();
  ProcessEvents();
  EXPECT_FALSE(ui::IsLoaded(form::kRoomView));
  EXPECT_TRUE(g().FormSlot[form::kRoomView].Open == 0);
  EXPECT_EQ(g().Sprite[g().Figure[0].Sprite].X.Num(), x);
  EXPECT_EQ(g().SpriteDrawCount.Num(), count);
  // And it opens again on the same room.
  ASSERT_NE(Open(), nullptr);
  EXPECT_TRUE(g().FormSlot[form::kRoomView].Open == 1);
}

// Not a test: a new game's room, the player at his desk, for the
// documentation (room-apartment). The house's picture comes from a game
// played through the studio's windows: see StudioWindowsTest.
TEST_F(RoomViewTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"room-apartment"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::StartSceneGame(*main, "漫画家");
  g().LifeStatus = 2;
  // No activity runs, so the clock leaves the figures alone: they are moved here.
  for (int n = 0; n < 30; ++n) MoveFigures();
  shot.Take(*main);
}

}  // namespace
}  // namespace koratsu
