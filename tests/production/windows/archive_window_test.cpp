#include "production/windows/archive_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

#include "platform/twips.h"
#include "production/archive.h"
#include "production/archive_records.h"
#include "production/windows/game_scene.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/money.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::AddSerial;
using testing::AddWork;
using testing::GiveVolumes;
using testing::kChokomaka;
using testing::kDotabata;

class ArchiveWindowTest : public ::testing::Test {
 protected:
  ArchiveWindowTest() {
    main.show();
    AddMagazines();
  }
  GameState& g() { return state.g(); }
  Value& Param() { return g().FormSlot[form::kArchive].Param; }

  // The archive, opened as the works command opens it, its timer stopped:
  // the test runs its events.
  Form11* Open() {
    ui::Show(form::kArchive, ui::Modeless);
    Form11* archive = platform::Forms().Find<Form11>(form::kArchive);
    if (archive) archive->Timer1->stop();
    testing::ProcessEvents();
    return archive;
  }
  static std::string Text(const QLabel* label) { return label->text().toStdString(); }
  // Where a control of the serial panel sits in it.
  static int Top(const QWidget* control) {
    const QWidget* panel = control;
    while (panel && !dynamic_cast<const DetailPanel*>(panel)) panel = panel->parentWidget();
    return panel ? control->mapTo(panel, QPoint(0, 0)).y() : control->y();
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(ArchiveWindowTest, EmptyAtFirstThenTheFirstNamedWorkWithinOneTimerEvent) {
  Form11* archive = Open();
  ASSERT_NE(archive, nullptr);
  EXPECT_EQ(g().FormSlot[form::kArchive].Open, 1);
  EXPECT_EQ(Param(), -1);
  EXPECT_EQ(archive->List1->count(), 0);
  for (QWidget* panel : archive->Picture1) EXPECT_FALSE(panel->isVisible());

  // With no works the requests wait.
  g().FormSlot[form::kArchive].Rebuild = 1;
  archive->Timer1_Timer();
  EXPECT_EQ(g().FormSlot[form::kArchive].Rebuild, 1);

  AddWork(g(), "空の旅", 1);
  archive->Timer1_Timer();
  EXPECT_EQ(g().FormSlot[form::kArchive].Rebuild, 0);
  EXPECT_EQ(g().FormSlot[form::kArchive].Redraw, 0);
  ASSERT_EQ(archive->List1->count(), 1);
  EXPECT_EQ(archive->List1->item(0)->text(), QStringLiteral("空の旅"));
  EXPECT_EQ(archive->List1->currentRow(), 0);
  EXPECT_EQ(Param(), kOwnWorkPanel);
  EXPECT_TRUE(archive->Picture1[kOwnWorkPanel]->isVisible());
  EXPECT_EQ(Text(archive->Label1[2]), "空の旅");
  EXPECT_EQ(Text(archive->Label3[3]), "投稿していません");

  platform::Forms().Unload(form::kArchive);
  EXPECT_EQ(g().FormSlot[form::kArchive].Open, 0);
  g().FormSlot[form::kArchive].Redraw = 1;
  testing::ProcessEvents(250);
  EXPECT_EQ(g().FormSlot[form::kArchive].Redraw, 1) << "a request waits while the window is closed";
  archive = Open();
  archive->Timer1_Timer();
  EXPECT_EQ(g().FormSlot[form::kArchive].Redraw, 0);
}

TEST_F(ArchiveWindowTest, ARedrawWithoutASelectionFillsTheListAndShowsRowZero) {
  Form11* archive = Open();
  AddSerial(g(), "空の旅", kDotabata, 5, 3);
  g().FormSlot[form::kArchive].Redraw = 1;
  archive->Timer1_Timer();
  EXPECT_EQ(archive->List1->count(), 1);
  EXPECT_EQ(archive->List1->currentRow(), 0);
  EXPECT_TRUE(archive->Picture1[kSerialPanel]->isVisible());
  EXPECT_EQ(Text(archive->Label4[0]), "連載第5話");
}

TEST_F(ArchiveWindowTest, TheRowAndScrollValueSurviveARebuildAndARedraw) {
  for (int w = 0; w < 5; ++w) AddWork(g(), "読切" + std::to_string(w), 1);
  const long long serial = AddSerial(g(), "空の旅", kDotabata, 60, 1);
  GiveVolumes(g(), serial, {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000});
  AddWork(g(), "海の旅", 2);
  Form11* archive = Open();
  archive->List1->setCurrentRow(5);
  ASSERT_GT(archive->VScroll1->maximum(), 30);
  archive->VScroll1->setValue(30);
  DetailPanel* panel = archive->Picture1[kSerialPanel];
  EXPECT_EQ(panel->y(), -30);

  AddWork(g(), "山の旅", 1);
  g().FormSlot[form::kArchive].Rebuild = 1;
  archive->Timer1_Timer();
  EXPECT_EQ(archive->List1->count(), 8);
  EXPECT_EQ(archive->List1->currentRow(), 5);
  EXPECT_EQ(archive->VScroll1->value(), 30);
  EXPECT_EQ(g().MangaArchiveScroll, 30);
  EXPECT_EQ(panel->y(), -30);

  g().FormSlot[form::kArchive].Redraw = 1;
  archive->Timer1_Timer();
  EXPECT_EQ(archive->VScroll1->value(), 30);
  EXPECT_EQ(panel->y(), -30);

  archive->List1->setCurrentRow(6);
  EXPECT_EQ(archive->VScroll1->value(), 0);
  EXPECT_EQ(Param(), kOwnWorkPanel);
}

TEST_F(ArchiveWindowTest, VolumeRowsAreMadeOnDemandKeptAndEmptied) {
  const long long five = AddSerial(g(), "五巻", kDotabata, 50, 1);
  GiveVolumes(g(), five, {10, 20, 30, 40, 50});
  const long long two = AddSerial(g(), "二巻", kDotabata, 20, 4);
  GiveVolumes(g(), two, {1000, 2000});
  const long long three = AddSerial(g(), "三巻", kDotabata, 30, 4);
  GiveVolumes(g(), three, {1000, 0, 50000});
  const long long none = AddSerial(g(), "無巻", kDotabata, 3, 9);
  Form11* archive = Open();
  DetailPanel* panel = archive->Picture1[kSerialPanel];
  // One volume's layout, before any volume moved it.
  const int totalsTop = Top(archive->Label3[9]);
  const int movieTop = Top(archive->Label3[11]);
  EXPECT_EQ(panel->height(), 194 + 4 * 14);
  ASSERT_EQ(archive->Label6.size(), 5u);
  EXPECT_EQ(Top(archive->Label6[4]), 107 + 4 * 14);
  EXPECT_EQ(Top(archive->Label9[1]), 107 + 14);
  EXPECT_EQ(Text(archive->Label9[4]), "50冊");

  archive->List1->setCurrentRow(static_cast<int>(two));
  EXPECT_EQ(archive->Label6.size(), 5u) << "rows once made are kept";
  EXPECT_EQ(Text(archive->Label6[1]), " 第2巻");
  for (size_t i = 2; i < 5; ++i) {
    EXPECT_EQ(Text(archive->Label6[i]), "");
    EXPECT_EQ(Text(archive->Label9[i]), "");
  }
  EXPECT_EQ(panel->height(), 194 + 14);

  archive->List1->setCurrentRow(static_cast<int>(three));
  EXPECT_EQ(Text(archive->Label3[10]), "5万1000冊");
  EXPECT_EQ(Top(archive->Label3[9]) - (totalsTop - 4 * 14), 28);
  EXPECT_EQ(Top(archive->Label3[11]) - (movieTop - 4 * 14), 28);
  EXPECT_EQ(panel->height(), 222);

  archive->List1->setCurrentRow(static_cast<int>(none));
  EXPECT_EQ(Text(archive->Label6[0]), "");
  EXPECT_EQ(Text(archive->Label7[0]), "0円");
  EXPECT_EQ(Text(archive->Label8[0]), "0冊");
  EXPECT_EQ(Text(archive->Label9[0]), "0冊");
  EXPECT_EQ(Text(archive->Label7[1]), "");
  EXPECT_EQ(Text(archive->Label3[9]), "0冊");
  EXPECT_EQ(panel->height(), 194);
  EXPECT_EQ(Top(archive->Label3[9]), totalsTop - 4 * 14);
}

TEST_F(ArchiveWindowTest, TheScrollRangeFollowsTheShownPanel) {
  const long long serial = AddSerial(g(), "空の旅", kDotabata, 80, 1);
  GiveVolumes(g(), serial, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  AddWork(g(), "海の旅", 1);
  Form11* archive = Open();
  const int panel = archive->Picture1[kSerialPanel]->height();
  const int viewport = archive->Picture2->height();
  ASSERT_GT(panel, viewport);
  EXPECT_EQ(archive->VScroll1->maximum(), panel - viewport + 4);
  EXPECT_EQ(archive->VScroll1->pageStep(), panel / 2);
  EXPECT_EQ(archive->VScroll1->singleStep(), 14);
  archive->VScroll1->setValue(archive->VScroll1->maximum());
  EXPECT_EQ(archive->Picture1[kSerialPanel]->y(), -archive->VScroll1->maximum());

  archive->List1->setCurrentRow(1);
  EXPECT_EQ(archive->VScroll1->maximum(), 0) << "the own-work panel fits";
  EXPECT_EQ(archive->Picture1[kOwnWorkPanel]->y(), 0);
}

TEST_F(ArchiveWindowTest, OnlyTheHeightChangesAndNeverBelow1300Twips) {
  AddWork(g(), "空の旅", 1);
  Form11* archive = Open();
  QMdiSubWindow* frame = archive->SubWindow();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->width(), 428);
  for (QSize asked : {QSize(600, 500), QSize(300, 40), QSize(428, 87), QSize(500, 260)}) {
    frame->resize(asked);
    testing::ProcessEvents();
    EXPECT_EQ(frame->width(), 428);
    EXPECT_GE(platform::Twips(frame->height()), 1300);
    EXPECT_EQ(frame->height(), std::max(asked.height(), 87));
    const int list = archive->height() - 40;
    EXPECT_EQ(archive->List1->geometry(), QRect(8, 32, 97, std::max(list, 0)));
    EXPECT_EQ(archive->Picture2->geometry(), QRect(112, 32, 281, archive->List1->height()));
    EXPECT_EQ(archive->VScroll1->geometry(), QRect(394, 32, 17, archive->List1->height()));
  }

  frame->showMinimized();
  testing::ProcessEvents();
  frame->showNormal();
  testing::ProcessEvents();
  EXPECT_EQ(archive->List1->currentRow(), 0);
  EXPECT_TRUE(archive->Picture1[kOwnWorkPanel]->isVisible());
  EXPECT_EQ(frame->width(), 428);
}

TEST_F(ArchiveWindowTest, OpensInsideTheMainWindowAtItsDesignedHeight) {
  // The room view open at the top left, at the main window's default size.
  testing::StartSceneGame(main, "新人");
  testing::ProcessEvents(100);
  // Offscreen the panel took its place before the toolbar had settled, and
  // stands out of the area by a few pixels.
  ui::Unload(form::kInfoPanel);
  Form11* archive = Open();
  ASSERT_NE(archive, nullptr);
  testing::ProcessEvents(100);
  QMdiSubWindow* frame = archive->SubWindow();
  EXPECT_TRUE(frame->mdiArea()->viewport()->rect().contains(frame->geometry())) << "inside the client area";
  EXPECT_EQ(frame->size(), QSize(428, 300));
  main.Timer1->stop();
}

TEST_F(ArchiveWindowTest, AStateOutsideTheGroupsLeavesThePreviousPanel) {
  AddWork(g(), "空の旅", 9);
  AddWork(g(), "名付け中", 4);
  g().MangaWork[0].Award = 2;
  Form11* archive = Open();
  EXPECT_EQ(Text(archive->Label3[4]), "副賞を受賞");
  archive->List1->setCurrentRow(1);
  EXPECT_EQ(Param(), kOwnWorkPanel);
  EXPECT_TRUE(archive->Picture1[kOwnWorkPanel]->isVisible());
  EXPECT_EQ(Text(archive->Label1[2]), "空の旅");
}

TEST_F(ArchiveWindowTest, EachPanelKeepsItsOwnTextsWhileHidden) {
  AddSerial(g(), "空の旅", kDotabata, 5, 3);
  const long long own = AddWork(g(), "海の旅", 2);
  g().MangaWork[own].Magazine = kChokomaka;
  const long long oneShot = AddWork(g(), "山の旅", 10);
  g().MangaWork[oneShot].Magazine = kChokomaka;
  g().MangaWork[oneShot].Prize = 200000;
  Form11* archive = Open();
  archive->List1->setCurrentRow(1);
  archive->List1->setCurrentRow(2);
  EXPECT_TRUE(archive->Picture1[kOneShotPanel]->isVisible());
  EXPECT_EQ(Text(archive->Label2[3]), "されました");
  EXPECT_EQ(Text(archive->Label2[1]), "20万0000円");
  EXPECT_EQ(Text(archive->Label3[1]), "週刊ちょこまか");
  EXPECT_EQ(Text(archive->Label1[0]), "空の旅");
  EXPECT_EQ(Text(archive->Label3[3]), "週刊ちょこまかに投稿");
  archive->List1->setCurrentRow(0);
  EXPECT_TRUE(archive->Picture1[kSerialPanel]->isVisible());
  EXPECT_FALSE(archive->Picture1[kOneShotPanel]->isVisible());
  EXPECT_EQ(Text(archive->Label3[0]), "週刊少年ドタバタに連載中");
  EXPECT_EQ(Text(archive->Label1[1]), "山の旅");
}

TEST_F(ArchiveWindowTest, TheListIsFilledAgainWhileTheCardIsOpen) {
  AddWork(g(), "空の旅", 1);
  Form11* archive = Open();
  archive->Timer1->start();
  testing::ModalScript script;
  script.When(form::kWorkCard, [&](platform::Form& card) {
    AddWork(g(), "海の旅", 1);
    g().FormSlot[form::kArchive].Rebuild = 1;
    for (int waited = 0; waited < 3000 && g().FormSlot[form::kArchive].Rebuild == 1; waited += 10)
      testing::ProcessEvents(10);
    EXPECT_EQ(archive->List1->count(), 2);
    card.close();
  });
  testing::DoubleClickRow(archive->List1, 0);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(archive->List1->currentRow(), 0);
  EXPECT_EQ(g().FormSlot[form::kWorkCard].Param, 0);
}

TEST_F(ArchiveWindowTest, TheWidestTextsFitTheirCells) {
  // The longest magazine name, the longest title and the largest amounts a long game reaches.
  const std::string title = "ＡＢＣＤＥＦＧＨＩＪＫ";
  const long long w = AddSerial(g(), title, 8, 500, 15, "99/12/31");
  rec::MangaWork& m = g().MangaWork[w];
  m.AnimeState = 2;
  m.AnimeEpisode = 150;
  m.AnimeRating = 26.4;
  m.AnimeIncome = 300000;
  m.MovieOn = 1;
  m.MovieDay = 22;
  m.MovieAudience = 1199999;
  GiveVolumes(g(), w, {150000});
  g().ComicsVolume[w][0].Sold = 9999999;
  m.TotalSold = 999999999;
  const long long own = AddWork(g(), title, 9, "99/12/31");
  g().MangaWork[own].Magazine = 8;
  g().MangaWork[own].Award = 4;
  g().MangaWork[own].Prize = 2000000;
  const long long oneShot = AddWork(g(), title, 11, "99/12/31");
  g().MangaWork[oneShot].Magazine = 8;
  Form11* archive = Open();
  auto fits = [](const QLabel* cell) {
    EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->text()), cell->contentsRect().width())
        << Text(cell) << " is cut off";
  };
  for (int i : {0, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13}) fits(archive->Label3[static_cast<size_t>(i)]);
  for (QLabel* cell : {archive->Label1[0], archive->Label2[0], archive->Label4[0], archive->Label6[0],
                       archive->Label7[0], archive->Label8[0], archive->Label9[0]})
    fits(cell);
  const QLabel* volume = archive->Label6[0];
  EXPECT_LE(volume->fontMetrics().horizontalAdvance(QStringLiteral(" 第501巻")), volume->contentsRect().width());

  archive->List1->setCurrentRow(static_cast<int>(own));
  for (QLabel* cell : {archive->Label1[2], archive->Label4[2], archive->Label3[3], archive->Label3[4], archive->Label2[2]})
    fits(cell);
  archive->List1->setCurrentRow(static_cast<int>(oneShot));
  for (QLabel* cell : {archive->Label1[1], archive->Label4[1], archive->Label2[3], archive->Label2[1]}) fits(cell);
  g().MangaWork[oneShot].State = 10;
  g().MangaWork[oneShot].Prize = 200000;
  archive->FormReDisplay11();
  fits(archive->Label3[1]);
}

}  // namespace
}  // namespace koratsu

namespace koratsu {
namespace {

// Not a test: the archive over a game's main window, showing a serial with
// several volumes, for the documentation (archive), or with that work's card
// over it (archive-card).
TEST(ArchiveScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"archive", "archive-card"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::RunningGame game;
  MDIForm1& main = game.main;
  GameState& g = game.g();
  g.CaptionRefresh = 1;
  main.Timer1_Timer();
  main.Timer1->stop();
  g.FormSlot[form::kInfoPanel].Redraw = 1;

  const long long first = AddWork(g, "はじめの一枚", 9, "70/05/12");
  g.MangaWork[first].Magazine = kChokomaka;
  g.MangaWork[first].Award = 3;
  g.MangaWork[first].Prize = 200000;
  testing::GiveMaking(g, first,
                      {.audience = 2, .genre = 1, .items = {3, 7, -1}, .points = {6, 4, 0}, .ratings = {6, 4, 2, 9, 5, 7}});
  const long long serial = AddSerial(g, "星くず探偵団", kDotabata, 38, 2);
  g.MangaWork[serial].Date = "70/08/03";
  const double stocks[] = {3200, 18500, 41000, 50000, 50000};
  const double sold[] = {196800, 181500, 109000, 62000, 8400};
  for (int v = 0; v < 5; ++v) {
    GiveVolumes(g, serial, {stocks[v]});
    g.ComicsVolume[serial][v].Price = Money::FromNumber(400);
    g.ComicsVolume[serial][v].Sold = sold[v];
  }
  g.MangaWork[serial].TotalSold = 557700;
  g.MangaWork[serial].AnimeState = 1;
  g.MangaWork[serial].AnimeEpisode = 6;
  g.MangaWork[serial].AnimeRating = 18.7;
  g.MangaWork[serial].AnimeIncome = 300000;
  g.MangaWork[serial].MovieOn = 1;
  g.MangaWork[serial].MovieStartDays = 12;
  AddWork(g, "雨の日の約束", 10, "70/09/21");
  g.MangaWork[2].Magazine = kChokomaka;
  g.MangaWork[2].Prize = 200000;

  // A main window large enough for the room view and the archive side by side.
  testing::ProcessEvents(300);
  main.resize(800, 540);
  testing::ProcessEvents(100);
  main.MImamadeManga_Click();
  Form11* archive = platform::Forms().Find<Form11>(form::kArchive);
  ASSERT_NE(archive, nullptr);
  // At the top right, beside the room view.
  if (QMdiSubWindow* frame = archive->SubWindow()) {
    const QSize area = frame->mdiArea()->viewport()->size();
    frame->move(std::max(0, area.width() - frame->width()), 0);
    frame->resize(frame->width(), 330);
    if (platform::Form* panel = platform::Forms().Find(form::kInfoPanel); panel && panel->SubWindow())
      panel->SubWindow()->move(0, area.height() - panel->SubWindow()->height());
  }
  archive->List1->setCurrentRow(static_cast<int>(serial));
  if (shot.Is("archive")) {
    shot.Take(main);
    return;
  }
  shot.TakeOverModal(form::kWorkCard, main, {},
                     [archive] { testing::DoubleClickRow(archive->List1, archive->List1->currentRow()); });
}

}  // namespace
}  // namespace koratsu
