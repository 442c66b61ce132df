#include "production/windows/delivery_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "platform/colors.h"
#include "production/work_record.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/editor_event_queue.h"
#include "support/fresh_state.h"
#include "state/random.h"
#include "support/scripted_random.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

// A requested one-shot just named, for the magazine in row 1.
void NameRequestedOneShot(GameState& g) {
  g.GameYear = 1970;
  g.GameMonth = 7;
  g.GameDay = 3;
  g.MagazineCount = 2;
  g.Magazine[1].PublisherName = "千石船書房";
  g.Magazine[1].Name = "週刊ちょこまか";
  g.MangaCount = 1;
  rec::MangaWork& work = g.MangaWork[0];
  work.Title = "風のゆくえ";
  work.State = manga_state::kRequestDelivered;
  work.Requested = 1;
  work.RequestMagazine = 1;
  g.FormSlot[form::kDelivery].Mode = 0;
}

class DeliveryWindowTest : public ::testing::Test {
 protected:
  DeliveryWindowTest() {
    SetRandomSource(&random);
    NameRequestedOneShot(g());
    g().PlayerPopularity = 2;
  }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::QtUiScope qt;
  testing::CountingRandom random;
};

TEST_F(DeliveryWindowTest, AOneShotShowsItsPublisherInTheCompactFrame) {
  auto* form = platform::Forms().Load<Form18>(form::kDelivery);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("読切漫画を送る"));
  EXPECT_EQ(form->Label3->text(), QStringLiteral("== 完成した漫画を送ります  =="));
  EXPECT_EQ(form->Label1[1]->text(), QStringLiteral("完成した読切漫画「風のゆくえ」を千石船書房へ送ります。"));
  EXPECT_EQ(form->Command1->text(), QStringLiteral("送る"));
  for (platform::Shape* shape : form->Shape1) EXPECT_EQ(shape->FillColor(), platform::kHeadingBarFill);

  // The compact layout, pixels.
  EXPECT_EQ(form->size(), QSize(193, 119));
  EXPECT_EQ(form->Shape1[0]->geometry(), QRect(8, 8, 177, 17));
  EXPECT_EQ(form->Label3->width(), 161);
  EXPECT_EQ(form->Picture1->width(), 177);
  EXPECT_EQ(form->Label1[1]->geometry().left(), 8);
  EXPECT_EQ(form->Label1[1]->width(), 161);
  EXPECT_EQ(form->Command1->pos(), QPoint(52, 88));
  EXPECT_TRUE(form->rect().contains(form->Command1->geometry()));
  EXPECT_TRUE(form->Picture3->isHidden());

  EXPECT_TRUE(form->Timer1->isActive());
  EXPECT_EQ(form->Timer1->interval(), 100);
  EXPECT_EQ(g().PlayerPopularity, 3);
  EXPECT_EQ(g().EditorEvent[0].Code, event_code::kOneShotVerdict);
  platform::Forms().Unload(form::kDelivery);
}

TEST_F(DeliveryWindowTest, OnlySendingClosesItAndTheWindowsThatShowTheWorkRebuild) {
  MDIForm1 main;
  main.show();
  g().GameActive = 1;
  main.SetClockRunning(true);
  ModalScript script;
  script.When(form::kDelivery, [&main](Form& window) {
    auto& delivery = static_cast<Form18&>(window);
    EXPECT_FALSE(main.Timer1->isActive()) << "the clock waits while it is open";
    testing::PressCloseBox(&delivery);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&delivery, &escape);
    QKeyEvent altF4(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
    QApplication::sendEvent(&delivery, &altF4);
    EXPECT_TRUE(delivery.Loaded()) << "no close box, no Esc, no Alt+F4";
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&delivery, &enter);  // 送る is the default button
  });
  ui::Show(form::kDelivery, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kDelivery));
  EXPECT_TRUE(main.Timer1->isActive());
  EXPECT_EQ(g().ResumeRequest, 1);
  for (int form : {form::kCompletion, form::kArchive, form::kKnowledgeList})
    EXPECT_EQ(g().FormSlot[form].Rebuild, 1) << form;
  EXPECT_EQ(g().PlayerPopularity, 3) << "delivered once";
  main.Timer1->stop();
}

// Not a test: a requested one-shot's delivery over the game, for the
// documentation (delivery-window).
TEST(DeliveryWindowScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"delivery-window"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::SceneGame scene("新人");
  GameState& g = scene.state.g();
  const Value count = g.MangaCount;
  g.MangaCount = count + 1;
  rec::MangaWork& work = g.MangaWork[count];
  work.Title = "はばたけ青春ボーイズ";
  work.State = manga_state::kRequestDelivered;
  work.Requested = 1;
  work.RequestMagazine = 2;
  g.FormSlot[form::kDelivery].Mode = 0;
  shot.TakeOverModal(form::kDelivery, scene.main);
}

}  // namespace
}  // namespace koratsu
