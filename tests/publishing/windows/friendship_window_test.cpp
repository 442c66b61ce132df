#include "publishing/windows/friendship_window.h"

#include <gtest/gtest.h>

#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

class FriendshipWindowTest : public ::testing::Test {
 protected:
  FriendshipWindowTest() {
    const char* names[] = {"集栄社", "講文館", "角田書店", "白泉堂", "秋田屋書店"};
    for (int i = 0; i < 5; ++i) g().Publisher[i].Name = names[i];
    main.show();
  }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(FriendshipWindowTest, ListsTheFiveNamesWhateverTheFriendshipIs) {
  const int friendships[][5] = {{0, 0, 0, 0, 0}, {-3, 7, 0, 1, -1}};
  for (const auto& values : friendships) {
    for (int n = 1; n <= 5; ++n) g().PublisherYukou[n] = values[n - 1];
    ui::Show(form::kFriendship, ui::Modeless);
    auto* window = platform::Forms().Find<Form58>(form::kFriendship);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(g().FormSlot[form::kFriendship].Open, 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("出版社との友好関係"));
    EXPECT_EQ(window->Label3->text(), QStringLiteral("== 出版社との友好関係です =="));
    EXPECT_EQ(window->Label2->text(), QStringLiteral("悪            普           良"));
    EXPECT_EQ(window->Shape1[0]->FillColor(), 0xFF8000u);
    for (int i = 0; i < 5; ++i) {
      const size_t n = static_cast<size_t>(i);
      EXPECT_EQ(window->Label1[n]->text().toStdString(), g().Publisher[i].Name.Str());
      EXPECT_TRUE(window->Label1[n]->isVisible());
      // The rows stand 15 pixels apart, each picture after its name.
      EXPECT_EQ(window->Label1[n]->y(), 20 + 15 * i);
      EXPECT_EQ(window->Image1[n]->geometry(), QRect(window->Image1[0]->x(), 20 + 15 * i, 16, 16));
      EXPECT_GT(window->Image1[n]->x(), window->Label1[n]->geometry().right());
    }
    // The bar stands still: from the scale's middle line to the right, in the first row.
    const platform::Shape* middle = window->Line1[2 + Form58::kScaleLineCount / 2];
    EXPECT_EQ(window->Shape2->x(), middle->x() + 1);
    EXPECT_LT(window->Shape2->y(), window->Label1[1]->y());
    ui::Unload(form::kFriendship);
    EXPECT_EQ(g().FormSlot[form::kFriendship].Open, 0);
  }
}

TEST_F(FriendshipWindowTest, TheScalesFirstMiddleAndLastLinesAreBlack) {
  ui::Show(form::kFriendship, ui::Modeless);
  auto* window = platform::Forms().Find<Form58>(form::kFriendship);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Line1[0]->FillColor(), 0u);
  EXPECT_EQ(window->Line1[1]->FillColor(), 0u);
  for (int j = 0; j < Form58::kScaleLineCount; ++j) {
    const platform::Shape* line = window->Line1[static_cast<size_t>(2 + j)];
    const bool black = j == 0 || j == 7 || j == 14;
    EXPECT_EQ(line->FillColor(), black ? 0u : 0x808080u) << j;
    if (j > 0) {
      EXPECT_EQ(line->x() - window->Line1[static_cast<size_t>(1 + j)]->x(), 15) << "evenly spaced";
    }
  }
}

}  // namespace
}  // namespace koratsu
