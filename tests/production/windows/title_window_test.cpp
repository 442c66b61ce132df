#include "production/windows/title_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "platform/colors.h"
#include "production/windows/finished_work_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/clock_timer.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "state/catalogues.h"
#include "state/random.h"
#include "state/tutorial_stage.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

class TitleWindowTest : public ::testing::Test {
 protected:
  TitleWindowTest() {
    g().GameYear = 1970;
    g().GameMonth = 5;
    g().GameDay = 9;
    g().SigotoPoint = 20;
    AddClassLists();
    const char* items[] = {"学園", "野球", "恋愛"};
    for (int i = 0; i < 3; ++i) g().KnowledgeItem[i].Name = items[i];
    g().TiItemCount = 3;
    rec::ProductionSlot& slot = g().ProductionSlot[3];
    g().SlotKanseido[3] = 151.5;
    slot.Target = 150;
    slot.SigotoPoint = 20;
    slot.Class[0] = 1;
    slot.Class[1] = 4;
    const int settingItems[] = {2, -1, 0};
    const int points[] = {33, 99, 120};
    for (int k = 0; k < 3; ++k) {
      slot.SettingItem[k] = settingItems[k];
      slot.SettingPoints[k] = points[k];
    }
    const int ratings[] = {9, 3, 6, 4, 5, 8};
    for (int r = 0; r < 6; ++r) slot.Rating[r] = ratings[r];
    g().FinishedSlot = 3;
  }
  GameState& g() { return state.g(); }

  static void Type(QLineEdit* box, const QString& text) {
    for (QChar ch : text) {
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
      QCoreApplication::sendEvent(box, &key);
    }
  }

  testing::FreshState state;
  testing::QtUiScope qt;
};

TEST_F(TitleWindowTest, ShowsWhatTheWorkIsMadeOf) {
  auto* form = platform::Forms().Load<Form7>(form::kWorkTitle);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("完成した漫画の題名"));
  EXPECT_EQ(form->Label3->text(), QStringLiteral("== 完成した漫画の題名  =="));
  EXPECT_EQ(form->Label2[0]->text().toStdString(), g().ClassList[1].Text[1].Str());
  EXPECT_EQ(form->Label2[1]->text().toStdString(), g().ClassList[2].Text[4].Str());
  EXPECT_EQ(form->Label2[2]->text(), QStringLiteral("恋愛"));
  EXPECT_EQ(form->Label2[3]->text(), QStringLiteral("なし"));
  EXPECT_EQ(form->Label2[4]->text(), QStringLiteral("学園"));
  EXPECT_EQ(form->Label4[1]->text(), QStringLiteral("99")) << "a setting without item still shows its points";
  EXPECT_EQ(form->Label4[2]->text(), QStringLiteral("120"));
  // The points and the rating marks stand in boxes one row high.
  for (QLabel* box : form->Label4) EXPECT_EQ(box->height(), form->Label2[0]->height());
  for (QLabel* box : form->Label5) EXPECT_EQ(box->height(), form->Label2[0]->height());
  EXPECT_LE(form->Label4[2]->fontMetrics().horizontalAdvance(form->Label4[2]->text()),
            form->Label4[2]->contentsRect().width());
  for (platform::Shape* shape : form->Shape1) EXPECT_EQ(shape->FillColor(), platform::kHeadingBarFill);

  // The marks, in two rows of three: 画力 構成力 ｷｬﾗｸﾀｰ above ｽﾄｰﾘｰ 演出力 ｵﾘｼﾞﾅﾘﾃｨｰ.
  const char* marks[] = {"◎", "  ", "○", "△", "△", "○"};
  const char* names[] = {"画力", "ｽﾄｰﾘｰ", "構成力", "演出力", "ｷｬﾗｸﾀｰ", "ｵﾘｼﾞﾅﾘﾃｨｰ"};
  for (size_t r = 0; r < 6; ++r) {
    EXPECT_EQ(form->Label5[r]->text(), QString::fromUtf8(marks[r])) << r;
    EXPECT_EQ(form->Label1[6 + r]->text(), QString::fromUtf8(names[r])) << r;
  }
  for (size_t top : {0u, 2u, 4u}) {
    EXPECT_LT(form->Label5[top]->y(), form->Label5[top + 1]->y());
    EXPECT_EQ(form->Label5[top]->x(), form->Label5[top + 1]->x());
  }
  EXPECT_LT(form->Label5[0]->x(), form->Label5[2]->x());
  EXPECT_LT(form->Label5[2]->x(), form->Label5[4]->x());
  platform::Forms().Unload(form::kWorkTitle);
}

TEST_F(TitleWindowTest, ASettingsBarStandsForItsPointsAgainstNinetyNine) {
  struct Case {
    double points;
    int width;  // pixels
  };
  // The frame is 80 pixels wide; a bar past it stops at the end of its 100-pixel box.
  const Case cases[] = {{0, 0}, {-4, 0}, {33, 27}, {99, 80}, {110, 89}, {150, 100}};
  for (const Case& c : cases) {
    g().ProductionSlot[3].SettingPoints[0] = c.points;
    auto* form = platform::Forms().Load<Form7>(form::kWorkTitle);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Shape12[0]->width(), 80);
    EXPECT_EQ(form->Shape11[0]->width(), c.width) << c.points << " points";
    EXPECT_EQ(form->Picture1[0]->width(), 100);
    platform::Forms().Unload(form::kWorkTitle);
  }
}

TEST_F(TitleWindowTest, TheTitleBoxTakesElevenCharactersAndNoQuote) {
  auto* form = platform::Forms().Load<Form7>(form::kWorkTitle);
  ASSERT_NE(form, nullptr);
  Type(form->Text1, QStringLiteral("\"まんが道\"をゆく少年たちよ"));
  EXPECT_EQ(form->Text1->text(), QStringLiteral("まんが道をゆく少年たちよ").left(11));
  Type(form->Text1, QStringLiteral("!"));
  EXPECT_EQ(form->Text1->text().size(), 11);
  form->Text1->clear();
  form->Text1->insert(QStringLiteral("あい\"う"));  // a paste
  EXPECT_EQ(form->Text1->text(), QStringLiteral("あいう"));
  form->Text1->insert(QStringLiteral("えおかきくけこさしすせ"));
  EXPECT_EQ(form->Text1->text(), QStringLiteral("あいうえおかきくけこさ"));
  platform::Forms().Unload(form::kWorkTitle);
}

TEST_F(TitleWindowTest, OnlyAValidTitleClosesItAndTheWorkGoesOn) {
  g().TutorialStage = tutorial_stage::kWorkTitle;
  ModalScript script;
  script
      .When(form::kWorkTitle,
            [](Form& form) {
              auto& title = static_cast<Form7&>(form);
              title.close();  // the desktop's close: no close item
              QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
              QCoreApplication::sendEvent(&title, &escape);
              EXPECT_TRUE(platform::Forms().IsLoaded(form::kWorkTitle));
              title.Command1->click();
            })
      .When(form::kMessage,
            [](Form& form) {
              auto& box = static_cast<Form42&>(form);
              EXPECT_EQ(box.Label1->text(), QStringLiteral("漫画の題名を決めてください。"));
              box.Command1[0]->click();
            })
      .When(form::kWorkTitle,
            [this](Form& form) {
              auto& title = static_cast<Form7&>(form);
              EXPECT_EQ(g().TutorialStage, tutorial_stage::kFinishedWork);
              Type(title.Text1, QStringLiteral("ふたりの原稿"));
              title.Command1->click();
            })
      .When(form::kFinishedWork, [this](Form& form) {
        EXPECT_FALSE(platform::Forms().IsLoaded(form::kWorkTitle)) << "the title window closed first";
        EXPECT_EQ(g().MangaCount, 1);
        static_cast<Form55&>(form).Command1[3]->click();
      });
  ui::Show(form::kWorkTitle, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(g().MangaWork[0].Title.Str(), "ふたりの原稿");
  EXPECT_EQ(g().MangaWork[0].Date.Str(), "70/05/09");
  EXPECT_EQ(g().TutorialStage, tutorial_stage::kContestPost);
  EXPECT_EQ(g().SlotsInUse, 0);
}

// Not a test: the title window of a finished work over the game, named, for
// the documentation (title-window).
TEST_F(TitleWindowTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"title-window"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  MDIForm1 main;
  main.show();
  testing::Screenshot::Settle();
  main.GameOn();
  main.Timer1->stop();
  g().PlayerSei = "漫画家";
  main.SetCaption(shell::DateCaption());
  main.SetStatusLine("仕事中");
  AddClassLists();
  g().ProductionSlot[3].SettingPoints[2] = 42;
  shot.TakeOverModal(form::kWorkTitle, main, [](Form& form) {
    static_cast<Form7&>(form).Text1->setText(QStringLiteral("青空ストライカー"));
  });
}

}  // namespace
}  // namespace koratsu
