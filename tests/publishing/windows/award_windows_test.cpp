// The award's prize window (Form13) and the trophy room (Form12), offscreen.

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/pictures.h"
#include "publishing/awards.h"
#include "publishing/windows/award_window.h"
#include "publishing/windows/trophy_room_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "save/reader.h"
#include "shell/windows/main_window.h"
#include "support/fresh_state.h"
#include "support/save_bytes.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

const char* const kPublishers[] = {"大風呂敷出版", "千石船書房", "鳩笛出版", "ミミズク社", "金平糖書房"};

// Two awards won: 千石船書房's 第12回 for 海の旅 and 金平糖書房's 第27回 for 星の島.
void TwoAwardsWon(GameState& g) {
  for (int p = 0; p < 5; ++p) {
    g.Publisher[p].Name = kPublishers[p];
    g.Magazine[2 * p].Publisher = p + 1;
  }
  g.MangaCount = 3;
  const struct {
    const char* title;
    int magazine, publisher, edition;
  } works[] = {{"空の旅", 0, -1, 0}, {"海の旅", 2, 1, 12}, {"星の島", 8, 4, 27}};
  for (int j = 0; j < 3; ++j) {
    g.MangaWork[j].Title = works[j].title;
    g.MangaWork[j].Magazine = works[j].magazine;
    if (works[j].publisher < 0) continue;
    g.MangaWork[j].Awarded = 1;
    g.Publisher[works[j].publisher].AwardDone = 1;
    g.Publisher[works[j].publisher].AwardNo = works[j].edition;
  }
}

class AwardWindowsTest : public ::testing::Test {
 protected:
  AwardWindowsTest() : previous_(ui::Installed()) {
    ui::Install(&qt);
    for (int p = 0; p < 5; ++p) g().Publisher[p].Name = kPublishers[p];
    main.show();
    g().GameActive = 1;
    main.SetClockRunning(true);
  }
  ~AwardWindowsTest() override {
    main.Timer1->stop();
    platform::Forms().UnloadAll();
    testing::ProcessEvents();
    ui::Install(previous_);
  }
  GameState& g() { return state.g(); }

  static QImage Picture(const QLabel* label) { return label->pixmap().toImage(); }

  testing::FreshState state;
  QtUi qt;
  MDIForm1 main;

 private:
  ui::Ui* previous_;
};

TEST_F(AwardWindowsTest, ThePrizeWindowShowsWhatTheCeremonyWroteAndOnlyItsButtonClosesIt) {
  g().Kingaku = 500;
  ui::SetControlText(form::kAward, "Label2(0)", "千石船書房");
  ui::SetControlText(form::kAward, "Label2(1)", "海の旅");
  ModalScript script;
  script.When(form::kAward, [&](Form& window) {
    auto& award = static_cast<Form13&>(window);
    EXPECT_EQ(award.windowTitle(), QStringLiteral("漫画賞受賞"));
    EXPECT_EQ(award.Label3->text(), QStringLiteral("== 漫画賞を受賞しました =="));
    EXPECT_EQ(award.Label1[0]->text(), QStringLiteral("おめでとうございます。"));
    EXPECT_EQ(award.Label1[1]->text(), QStringLiteral("会社"));
    EXPECT_EQ(award.Label1[2]->text(), QStringLiteral("賞金"));
    EXPECT_EQ(award.Label1[3]->text(), QStringLiteral("題名"));
    EXPECT_EQ(award.Label2[0]->text(), QStringLiteral("千石船書房"));
    EXPECT_EQ(award.Label2[1]->text(), QStringLiteral("海の旅"));
    EXPECT_EQ(award.Label2[2]->text(), QStringLiteral("8000万0000円"));
    EXPECT_EQ(award.Command1->text(), QStringLiteral("受け取る"));
    EXPECT_EQ(award.Shape1[0]->FillColor(), 0xFF8000u);
    EXPECT_FALSE(award.Picture1->pixmap().isNull());
    EXPECT_FALSE(award.Picture2->pixmap().isNull());
    EXPECT_TRUE(main.Timer1->isActive()) << "the clock runs on";
    // Every value sits on its caption's line, after it.
    for (size_t k : {0u, 1u, 2u}) {
      const QLabel* caption = award.Label1[k == 0 ? 1 : k == 1 ? 3 : 2];
      EXPECT_EQ(award.Label2[k]->y(), caption->y());
      EXPECT_GT(award.Label2[k]->x(), caption->geometry().right() - 1);
    }
    testing::PressCloseBox(&award);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&award, &escape);
    EXPECT_TRUE(award.Loaded());
    EXPECT_EQ(g().Kingaku, 500) << "nothing paid before the button";
    award.Command1->click();
  });
  ui::Show(form::kAward, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(g().Kingaku, 500 + 80000000);
  EXPECT_TRUE(main.Timer1->isActive());
}

TEST_F(AwardWindowsTest, ThePrizeWindowPaysNothingWhenClosedOtherwise) {
  g().Kingaku = 500;
  ui::Show(form::kAward, ui::Modeless);
  ui::Unload(form::kAward);
  EXPECT_EQ(g().Kingaku, 500);
}

TEST_F(AwardWindowsTest, BeforeAnyAwardTheRoomShowsTheFivePublishersWithNone) {
  ModalScript script;
  script.When(form::kTrophies, [&](Form& window) {
    auto& room = static_cast<Form12&>(window);
    EXPECT_EQ(room.windowTitle(), QStringLiteral("漫画賞を受賞したﾄﾛﾌｨｰ"));
    EXPECT_EQ(room.Label3->text(), QStringLiteral("== いままで漫画賞を受賞したトロフィーです =="));
    EXPECT_EQ(room.Command1->text(), QStringLiteral("閉じる"));
    EXPECT_FALSE(main.Timer1->isActive());
    const QImage pedestal = platform::FormPicture(form::kTrophies, QStringLiteral("Image1(0)")).toImage();
    ASSERT_FALSE(pedestal.isNull());
    for (size_t n = 0; n < 5; ++n) {
      EXPECT_EQ(room.Label1[n]->text(), QString::fromUtf8(kPublishers[n]));
      EXPECT_EQ(room.Label2[n]->text(), QStringLiteral("なし"));
      EXPECT_EQ(room.Label4[n]->text(), QStringLiteral("なし"));
      EXPECT_EQ(Picture(room.Image1[n]), pedestal) << n;
      EXPECT_TRUE(room.rect().contains(room.Picture1[n]->geometry())) << n;
    }
    for (platform::Shape* shape : room.Shape1) EXPECT_EQ(shape->FillColor(), 0xFF8000u);
    EXPECT_TRUE(room.rect().contains(room.Command1->geometry()));
    room.Command1->click();
  });
  ui::Show(form::kTrophies, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(main.Timer1->isActive());

  // It keeps its close box, which closes it as its button does.
  ModalScript again;
  again.When(form::kTrophies, [](Form& window) { testing::PressCloseBox(&window); });
  ui::Show(form::kTrophies, ui::Modal);
  EXPECT_TRUE(again.Done());
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kTrophies));
}

TEST_F(AwardWindowsTest, AfterALoadTheRoomRebuildsBothTrophiesFromTheSavedAwards) {
  auto saved = std::make_unique<GameState>();
  saved->SaveVersion = "1.20";
  saved->AppTitle = "Koratsu";
  saved->MagazineCount = 10;
  TwoAwardsWon(*saved);
  saved->PublisherTorofi[1] = 1;  // not saved: the room rebuilds it
  ASSERT_TRUE(save::ReadSaveFileBytes(g(), testing::SavedBytes(*saved)));
  EXPECT_EQ(g().PublisherTorofi[1], 0);

  ModalScript script;
  script.When(form::kTrophies, [&](Form& window) {
    auto& room = static_cast<Form12&>(window);
    const QImage won = Picture(room.Picture2[5]);
    ASSERT_FALSE(won.isNull());
    EXPECT_EQ(room.Label2[1]->text(), QStringLiteral("第12回 千石船書房漫画賞受賞"));
    EXPECT_EQ(room.Label4[1]->text(), QStringLiteral("「海の旅」"));
    EXPECT_EQ(room.Label2[4]->text(), QStringLiteral("第27回 金平糖書房漫画賞受賞"));
    EXPECT_EQ(room.Label4[4]->text(), QStringLiteral("「星の島」"));
    for (size_t n = 0; n < 5; ++n) {
      const bool trophy = n == 1 || n == 4;
      EXPECT_EQ(Picture(room.Image1[n]) == won, trophy) << n;
      if (!trophy) {
        EXPECT_EQ(room.Label2[n]->text(), QStringLiteral("なし")) << n;
      }
    }
    room.Command1->click();
  });
  ui::Show(form::kTrophies, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(g().PublisherTorofi[1], 1);
  EXPECT_EQ(g().PublisherTorofi[4], 1);
}

// Not a test: the prize window over the game (award) and the trophy room
// with two trophies (trophies), for the documentation.
TEST(AwardScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"award", "trophies"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::SceneGame scene("漫画太郎");
  GameState& g = scene.state.g();
  TwoAwardsWon(g);
  for (int p = 0; p < 5; ++p) g.Publisher[p].Name = kPublishers[p];
  if (shot.Is("award")) {
    ui::SetControlText(form::kAward, "Label2(0)", "金平糖書房");
    ui::SetControlText(form::kAward, "Label2(1)", "星の島");
    shot.TakeOverModal(form::kAward, scene.main);
    return;
  }
  shot.TakeOverModal(form::kTrophies, scene.main);
}

}  // namespace
}  // namespace koratsu
