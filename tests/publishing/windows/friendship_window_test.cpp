#include "publishing/windows/friendship_window.h"

#include <QImage>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

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

// The columns of `picture` that hold ink, as runs [first, last]; a gap
// narrower than `joined` columns stays inside one run.
std::vector<std::pair<int, int>> InkRuns(const QImage& picture, int joined) {
  std::vector<std::pair<int, int>> runs;
  for (int x = 0; x < picture.width(); ++x) {
    bool ink = false;
    for (int y = 0; y < picture.height() && !ink; ++y) ink = qGray(picture.pixel(x, y)) < 128;
    if (!ink) continue;
    if (!runs.empty() && x - runs.back().second <= joined) {
      runs.back().second = x;
    } else {
      runs.emplace_back(x, x);
    }
  }
  return runs;
}

TEST_F(FriendshipWindowTest, BadFairAndGoodStandOverTheScalesFirstMiddleAndLastLines) {
  ui::Show(form::kFriendship, ui::Modeless);
  auto* window = platform::Forms().Find<Form58>(form::kFriendship);
  ASSERT_NE(window, nullptr);
  QLabel* caption = window->Label2;
  EXPECT_EQ(caption->text(), QStringLiteral("悪            普           良"));
  const std::vector<std::pair<int, int>> words = InkRuns(caption->grab().toImage(), 4);
  ASSERT_EQ(words.size(), 3u);
  const int lines[] = {0, Form58::kScaleLineCount / 2, Form58::kScaleLineCount - 1};
  for (size_t k = 0; k < 3; ++k) {
    const int line = window->Line1[static_cast<size_t>(2 + lines[k])]->x() - caption->x();
    EXPECT_LE(words[k].first, line) << k;
    EXPECT_GE(words[k].second, line) << k;
  }
  EXPECT_GE(caption->x(), 0);
  EXPECT_LE(caption->geometry().right(), caption->parentWidget()->width());
}

}  // namespace
}  // namespace koratsu
