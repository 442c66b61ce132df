// The knowledge list (Form29), a child window of the main window, offscreen.

#include "life/windows/knowledge_list_window.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

#include <cmath>

#include "life/knowledge_list.h"
#include "platform/twips.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/catalogues.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::ProcessEvents;

class KnowledgeListWindowTest : public ::testing::Test {
 protected:
  KnowledgeListWindowTest() {
    main.show();
    g().GameActive = 1;
    g().TiPointMax = 15;
    AddTiItem(0, "機関車", 3, 1);
    AddTiItem(1, "新幹線", 0, 1);
    AddTiItem(2, "宇宙", 15, 1);
    AddTiItem(3, "警察官", 6, 1);
  }
  ~KnowledgeListWindowTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  Form29* Open() {
    ui::Show(form::kKnowledgeList, ui::Modeless);
    auto* list = platform::Forms().Find<Form29>(form::kKnowledgeList);
    if (list) list->Timer1_Timer();
    return list;
  }
  static std::vector<QString> Names(Form29* list) {
    std::vector<QString> names;
    for (QLabel* label : list->Label1)
      if (label->geometry().bottom() < list->Picture1->height()) names.push_back(label->text());
    return names;
  }
  void Points(int count) {
    g().TiItemCount = 0;
    for (int i = 0; i < count; ++i) AddTiItem(i, "知識", 5, 1);
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(KnowledgeListWindowTest, ListsTheItemsWithPointsAndFollowsItsRequests) {
  Form29* list = Open();
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->SubWindow(), nullptr);
  EXPECT_TRUE(list->SubWindow()->isVisible());
  EXPECT_EQ(list->SubWindow()->windowTitle(), QStringLiteral("知識のﾎﾟｲﾝﾄ"));
  EXPECT_EQ(g().FormSlot[form::kKnowledgeList].Open, 1);
  EXPECT_EQ(list->Label3[6]->text(), QStringLiteral("== 現在習得してる知識のﾎﾟｲﾝﾄです  =="));
  EXPECT_EQ(Names(list), (std::vector<QString>{"機関車", "宇宙", "警察官"}));
  EXPECT_EQ(list->Label2[2]->text(), QStringLiteral("6/15ﾎﾟｲﾝﾄ"));
  EXPECT_EQ(list->Shape[1]->width(), list->Shape10[1]->width());
  EXPECT_EQ(list->Label1[1]->y(), 15 + 2);

  // Points spent: the item leaves at the next rebuild and the later rows move up.
  g().KnowledgeItem[2].Point = 0;
  list->Timer1_Timer();
  EXPECT_EQ(Names(list), (std::vector<QString>{"機関車", "宇宙", "警察官"})) << "nothing asked yet";
  g().FormSlot[form::kKnowledgeList].Rebuild = 1;
  list->Timer1_Timer();
  EXPECT_EQ(Names(list), (std::vector<QString>{"機関車", "警察官"}));
  EXPECT_EQ(list->Label1.size(), 3u) << "the third row's controls stay, below the list";
  EXPECT_EQ(list->Picture1->height(), 2 * 15 + 2);

  // A raised cap shrinks every bar at the next redraw.
  g().TiPointMax = 25;
  g().FormSlot[form::kKnowledgeList].Redraw = 1;
  list->Timer1_Timer();
  EXPECT_EQ(list->Label2[1]->text(), QStringLiteral("6/25ﾎﾟｲﾝﾄ"));
  EXPECT_EQ(list->Shape[1]->width(), static_cast<int>(list->Shape10[1]->width() * 6.0 / 25));

  // Nothing left: the list area goes, the heading stays.
  g().KnowledgeItem[0].Point = 0;
  g().KnowledgeItem[3].Point = 0;
  g().FormSlot[form::kKnowledgeList].Rebuild = 1;
  list->Timer1_Timer();
  EXPECT_FALSE(list->Picture1->isVisible());
  EXPECT_TRUE(list->Label3[6]->isVisible());

  list->SubWindow()->close();
  ProcessEvents();
  EXPECT_FALSE(ui::IsLoaded(form::kKnowledgeList));
  EXPECT_EQ(g().FormSlot[form::kKnowledgeList].Open, 0);
}

TEST_F(KnowledgeListWindowTest, KeepsItsWidthAndNeverGetsLowerThan1301Twips) {
  Form29* list = Open();
  ASSERT_NE(list, nullptr);
  QMdiSubWindow* frame = list->SubWindow();
  EXPECT_EQ(frame->width(), Form29::kWidth);
  frame->resize(400, 300);
  EXPECT_EQ(frame->width(), Form29::kWidth);
  EXPECT_EQ(frame->height(), 300);
  EXPECT_EQ(list->Picture2->height(), list->height() - 40);
  EXPECT_EQ(list->VScroll1->height(), list->height() - 40);
  for (int low : {50, 86}) {
    frame->resize(Form29::kWidth, low);
    EXPECT_GE(platform::Twips(frame->height()), 1301) << low;
    EXPECT_LE(platform::Twips(frame->height() - 1), 1301) << low;
  }
}

TEST_F(KnowledgeListWindowTest, OpensInsideTheMainWindowShowingItsRows) {
  // The room view open at the top left, at the main window's default size.
  testing::StartSceneGame(main, "新人");
  ProcessEvents(100);
  // Offscreen the panel took its place before the toolbar had settled, and
  // stands out of the area by a few pixels.
  ui::Unload(form::kInfoPanel);
  Form29* list = Open();
  ASSERT_NE(list, nullptr);
  ProcessEvents(100);
  QMdiSubWindow* frame = list->SubWindow();
  EXPECT_TRUE(frame->mdiArea()->viewport()->rect().contains(frame->geometry())) << "inside the client area";
  EXPECT_EQ(frame->width(), Form29::kWidth);
  EXPECT_GE(list->Picture2->height(), 10 * 15) << "ten rows at least";
}

TEST_F(KnowledgeListWindowTest, ScrollsALongListAndKeepsTheRangeOnARedrawUntilAResize) {
  Points(40);
  Form29* list = Open();
  ASSERT_NE(list, nullptr);
  list->SubWindow()->resize(Form29::kWidth, 300);
  const int listHeight = 40 * 15 + 2;
  const int viewport = list->Picture2->height();
  ASSERT_LT(viewport, listHeight);
  EXPECT_EQ(list->Picture1->height(), listHeight);
  EXPECT_EQ(list->VScroll1->maximum(), listHeight - viewport + 4);
  EXPECT_EQ(list->VScroll1->pageStep(), listHeight / 2);
  EXPECT_EQ(list->VScroll1->singleStep(), listHeight / 4);
  list->VScroll1->setValue(90);
  EXPECT_EQ(list->Picture1->y(), -90);

  // The list shrinks until it fits: the range stays until the window is resized.
  Points(3);
  g().FormSlot[form::kKnowledgeList].Rebuild = 1;
  list->Timer1_Timer();
  EXPECT_EQ(list->VScroll1->maximum(), listHeight - viewport + 4);
  list->SubWindow()->resize(Form29::kWidth, 310);
  EXPECT_EQ(list->VScroll1->maximum(), 0);
  EXPECT_EQ(list->Picture1->y(), 0);
}

TEST_F(KnowledgeListWindowTest, TheWheelOverTheListScrollsItByRows) {
  Points(40);
  Form29* list = Open();
  ASSERT_NE(list, nullptr);
  list->SubWindow()->resize(Form29::kWidth, 300);
  // The bar's arrows jump a quarter of the list; the wheel goes row by row.
  const int notch = QApplication::wheelScrollLines() * kKnowledgeRowPitch;
  EXPECT_TRUE(testing::TurnWheel(list->Picture2, -120));
  EXPECT_EQ(list->VScroll1->value(), notch);
  EXPECT_EQ(list->Picture1->y(), -notch);
  EXPECT_TRUE(testing::TurnWheel(list->Picture2, 120));
  EXPECT_EQ(list->Picture1->y(), 0);
}

// Not a test: a started game with the knowledge list open beside the room,
// for the documentation (knowledge).
TEST_F(KnowledgeListWindowTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"knowledge"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::StartSceneGame(main, "新人");
  // A few outings' worth of knowledge beside the first points.
  for (int item : {17, 22, 23, 36, 55, 71, 75}) g().KnowledgeItem[item].Point = 2 + item % 11;
  Form29* list = Open();
  ASSERT_NE(list, nullptr);
  ProcessEvents(200);
  QMdiSubWindow* frame = list->SubWindow();
  frame->resize(Form29::kWidth, 212);  // above the panel's caption
  frame->move(frame->mdiArea()->viewport()->width() - Form29::kWidth, 0);
  shot.Take(main);
}

}  // namespace
}  // namespace koratsu
