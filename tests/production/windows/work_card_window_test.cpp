#include "production/windows/work_card_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "production/archive.h"
#include "production/archive_records.h"
#include "qtsupport/window_testing.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

// The Qt ui, keeping what it was last told of the clock.
class ClockWatchingUi : public QtUi {
 public:
  void SetClockRunning(bool running) override { clockRunning = running; }
  bool clockRunning = true;
};

class WorkCardWindowTest : public ::testing::Test {
 protected:
  WorkCardWindowTest() : previous_(ui::Installed()) {
    ui::Install(&qt);
    g().GameActive = 1;
    AddClassLists();
    AddTiItem(1, "警察官", 5, 1);
    AddTiItem(2, "スパイ", 5, 1);
  }
  ~WorkCardWindowTest() override {
    platform::Forms().UnloadAll();
    testing::ProcessEvents();
    ui::Install(previous_);
  }
  GameState& g() { return state.g(); }
  static std::string Text(const QLabel* label) { return label->text().toStdString(); }

  testing::FreshState state;
  ClockWatchingUi qt;

 private:
  ui::Ui* previous_;
};

TEST_F(WorkCardWindowTest, TheCardShowsHowTheWorkWasMade) {
  testing::AddWork(g(), "海の旅", 1);
  const long long w = testing::AddWork(g(), "空の旅", 9);
  // A copied work: its first setting has no item, yet keeps its points and bar.
  testing::GiveMaking(g(), w,
                      {.audience = 2, .genre = 1, .items = {-1, 1, 0}, .points = {99, 0, 120}, .ratings = {3, 4, 8, 9, 0, 6}});

  bool seen = false;
  ModalScript script;
  script.When(form::kWorkCard, [&](Form& window) {
    auto& card = static_cast<Form45&>(window);
    seen = true;
    EXPECT_EQ(card.windowTitle(), QStringLiteral("漫画の情報"));
    EXPECT_TRUE(card.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(Text(card.Label3[0]), "== 「空の旅」の情報です  ==");
    EXPECT_EQ(Text(card.Label1[1]), g().ClassList[1].Text[2].Str());
    EXPECT_EQ(Text(card.Label1[2]), g().ClassList[2].Text[1].Str());
    EXPECT_EQ(Text(card.Label1[0]), "なし");
    EXPECT_EQ(Text(card.Label1[4]), "スパイ");
    EXPECT_EQ(Text(card.Label1[5]), "警察官");
    EXPECT_EQ(Text(card.Label8[0]), "99");
    EXPECT_EQ(Text(card.Label8[1]), "0");
    EXPECT_EQ(Text(card.Label8[2]), "120");
    EXPECT_EQ(card.Shape11[0]->width(), card.Shape12[0]->width()) << "99 fills the frame";
    EXPECT_EQ(card.Shape11[1]->width(), 0);
    EXPECT_GT(card.Shape11[2]->width(), card.Shape12[2]->width()) << "more runs past it";
    // Ratings 0 to 5 stand at 画力, ｽﾄｰﾘｰ, 構成力, 演出力, ｷｬﾗｸﾀｰ, ｵﾘｼﾞﾅﾘﾃｨｰ.
    const char* marks[] = {"  ", "△", "○", "◎", "  ", "○"};
    const int places[] = {0, 1, 3, 5, 4, 2};
    for (int r = 0; r < 6; ++r) {
      QLabel* mark = card.Label9[static_cast<size_t>(places[r])];
      EXPECT_EQ(Text(mark), marks[r]) << r;
      EXPECT_EQ(mark->height(), card.Label8[0]->height()) << "a box one row high";
    }
    EXPECT_EQ(Text(card.Label3[8]), "画力");
    EXPECT_EQ(Text(card.Label3[10]), "ｵﾘｼﾞﾅﾘﾃｨｰ");
    for (platform::Shape* band : card.Shape1) EXPECT_EQ(band->FillColor(), 0xFF8000u);
    card.Command1_Click();
  });
  OpenWorkCard(static_cast<int>(w));
  EXPECT_TRUE(seen);
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kWorkCard));
}

TEST_F(WorkCardWindowTest, ClosingRestartsTheClockWhateverStoppedIt) {
  testing::AddWork(g(), "空の旅", 1);
  enum class Close { Button, CloseBox };
  for (Close how : {Close::Button, Close::CloseBox}) {
    qt.SetClockRunning(false);  // stopped by something else before the card opened
    ModalScript script;
    script.When(form::kWorkCard, [&](Form& window) {
      auto& card = static_cast<Form45&>(window);
      EXPECT_FALSE(qt.clockRunning);
      QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(&card, &escape);
      EXPECT_TRUE(platform::Forms().IsLoaded(form::kWorkCard)) << "Esc does not close it";
      if (how == Close::Button)
        card.Command1_Click();
      else
        card.close();
    });
    OpenWorkCard(0);
    EXPECT_TRUE(script.Done());
    EXPECT_FALSE(platform::Forms().IsLoaded(form::kWorkCard));
    EXPECT_TRUE(qt.clockRunning);
  }
}

}  // namespace
}  // namespace koratsu
