// The contest spread (Form44), the feature (Form63), the fan letter (Form64)
// and the reading window they share (Form54), offscreen.

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "publishing/magazine_texts.h"
#include "publishing/windows/contest_article_window.h"
#include "publishing/windows/fan_letter_window.h"
#include "publishing/windows/feature_window.h"
#include "publishing/windows/magazine_text_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

constexpr int kWork = 4;

class MagazineWindowsTest : public ::testing::Test {
 protected:
  MagazineWindowsTest() {
    main.show();
    g().GameActive = 1;
    main.SetClockRunning(true);
    g().PlayerSei = "漫画";
    g().PlayerMei = "太郎";
    g().Magazine[2].Name = "週刊少年ホップ";
    g().ClassList[1].Text[1] = "少年";
    g().ClassList[2].Text[5] = "ギャグ";
    work().Title = "星の島";
    work().Magazine = 2;
    g().MangaClass[0][kWork] = 1;
    g().MangaClass[1][kWork] = 5;
  }
  ~MagazineWindowsTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }
  rec::MangaWork& work() { return g().MangaWork[kWork]; }

  // Reading window steps: `read` collects what it shows, then the player
  // closes it from its title bar.
  struct Reading {
    QString caption, heading, text;
    bool clockRan;
  };
  std::function<void(Form&)> Read(std::vector<Reading>& readings) {
    return [this, &readings](Form& form) {
      auto& reader = static_cast<Form54&>(form);
      readings.push_back({reader.windowTitle(), reader.LabelC[0]->text(), reader.Label1->text(),
                          main.Timer1->isActive()});
      testing::PressCloseBox(&reader);
      EXPECT_FALSE(platform::Forms().IsLoaded(form::kMagazineText));
    };
  }

  static void RefuseToClose(Form& form) {
    testing::PressCloseBox(&form);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&form, &escape);
    EXPECT_TRUE(form.Loaded()) << "only its button closes it";
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(MagazineWindowsTest, TheSpreadOpensTheWonArticleOnly) {
  for (int result = 1; result <= 3; ++result) {
    SCOPED_TRACE(result);
    work().ContestResult = result;
    g().FormSlot[form::kContestArticle].Param = kWork;
    const int won = result - 1;
    std::vector<Reading> readings;
    ModalScript script;
    script.When(form::kContestArticle, [&](Form& form) {
      auto& spread = static_cast<Form44&>(form);
      EXPECT_EQ(spread.windowTitle(), QStringLiteral("新人賞の発表です"));
      EXPECT_EQ(spread.LabelC[0]->text(), QStringLiteral("== 送った作品が雑誌に載りました =="));
      EXPECT_EQ(spread.Label1[1]->text(), QStringLiteral("クリックしてください"));
      EXPECT_FALSE(main.Timer1->isActive());
      RefuseToClose(spread);
      for (int area = 0; area < 3; ++area) {
        QWidget* article = spread.Image2[static_cast<size_t>(area)];
        EXPECT_EQ(article->cursor().shape() != Qt::ArrowCursor, area == won) << area;
        EXPECT_EQ(article->geometry().contains(spread.Line1->End()), area == won) << area;
        if (area != won) spread.Image2[static_cast<size_t>(area)]->Clicked();
        EXPECT_FALSE(platform::Forms().IsLoaded(form::kMagazineText)) << area;
      }
      spread.Image2[static_cast<size_t>(won)]->Clicked();
      spread.Image2[static_cast<size_t>(won)]->Clicked();  // read again
      spread.Command1->click();
    });
    script.When(form::kMagazineText, Read(readings)).When(form::kMagazineText, Read(readings));
    ui::Show(form::kContestArticle, ui::Modal);
    EXPECT_TRUE(script.Done());
    ASSERT_EQ(readings.size(), 2u);
    for (const Reading& r : readings) {
      EXPECT_EQ(r.caption, QStringLiteral("雑誌の文章"));
      EXPECT_EQ(r.heading, QStringLiteral("== 雑誌の文章です  =="));
      EXPECT_EQ(r.text, QString::fromStdString(ContestArticle(kWork)));
      EXPECT_FALSE(r.clockRan) << "the reading window leaves the clock to the spread";
    }
    EXPECT_TRUE(main.Timer1->isActive());
  }
}

TEST_F(MagazineWindowsTest, ASpreadWithoutAPrizeMarksNothing) {
  work().ContestResult = 0;
  g().FormSlot[form::kContestArticle].Param = kWork;
  ModalScript script;
  script.When(form::kContestArticle, [](Form& form) {
    auto& spread = static_cast<Form44&>(form);
    EXPECT_EQ(spread.Line1->Start(), spread.Line1->End());
    for (platform::ClickableLabel* article : spread.Image2) {
      EXPECT_EQ(article->cursor().shape(), Qt::ArrowCursor);
      article->Clicked();
    }
    EXPECT_FALSE(platform::Forms().IsLoaded(form::kMagazineText));
    spread.Command1->click();
  });
  ui::Show(form::kContestArticle, ui::Modal);
  EXPECT_TRUE(script.Done());
}

TEST_F(MagazineWindowsTest, TheFeatureReadsTheAnimeAndMovieStateAtTheClick) {
  g().FormSlot[form::kFeaturedArticle].Mode = kWork;
  g().FormSlot[form::kFeaturedArticle].Param = 2;
  std::vector<Reading> readings;
  ModalScript script;
  script.When(form::kFeaturedArticle, [&](Form& form) {
    auto& feature = static_cast<Form63&>(form);
    EXPECT_EQ(feature.windowTitle(), QStringLiteral("雑誌に載りました"));
    EXPECT_EQ(feature.LabelC[0]->text(), QStringLiteral("== 雑誌に特集されました =="));
    EXPECT_EQ(feature.Label1[1]->text(), QStringLiteral("画面をクリックしてください"));
    RefuseToClose(feature);
    feature.Image1->Clicked();
    work().AnimeState = 1;
    feature.Image1->Clicked();
    g().FormSlot[form::kFeaturedArticle].Param = 4;
    feature.Image1->Clicked();
    EXPECT_FALSE(platform::Forms().IsLoaded(form::kMagazineText)) << "no article 4";
    feature.Command1->click();
  });
  script.When(form::kMagazineText, Read(readings)).When(form::kMagazineText, Read(readings));
  ui::Show(form::kFeaturedArticle, ui::Modal);
  EXPECT_TRUE(script.Done());
  ASSERT_EQ(readings.size(), 2u);
  work().AnimeState = 0;
  EXPECT_EQ(readings[0].text, QString::fromStdString(FeatureArticle(kWork, 2)));
  work().AnimeState = 1;
  EXPECT_EQ(readings[1].text, QString::fromStdString(FeatureArticle(kWork, 2)));
  EXPECT_NE(readings[0].text, readings[1].text);
  EXPECT_TRUE(main.Timer1->isActive());
}

TEST_F(MagazineWindowsTest, TheFanLetterIsReadUnderItsOwnCaptionAsOftenAsWished) {
  g().FormSlot[form::kFanLetter].Param = kWork;
  std::vector<Reading> readings;
  ModalScript script;
  script.When(form::kFanLetter, [&](Form& form) {
    auto& letter = static_cast<Form64&>(form);
    EXPECT_EQ(letter.windowTitle(), QStringLiteral("ﾌｧﾝﾚﾀｰ"));
    EXPECT_EQ(letter.LabelC[0]->text(), QStringLiteral("== ﾌｧﾝﾚﾀｰです =="));
    EXPECT_EQ(letter.Label1[1]->text(), QStringLiteral("ﾌｧﾝﾚﾀｰが届きました。"));
    EXPECT_EQ(letter.Label1[2]->text(), QStringLiteral("漫画 太郎先生へ"));
    EXPECT_EQ(letter.Command1->text(), QStringLiteral("ﾌｧﾝﾚﾀｰを読む"));
    EXPECT_EQ(letter.Command2->text(), QStringLiteral("閉じる"));
    EXPECT_FALSE(main.Timer1->isActive());
    letter.Command1->click();
    letter.Command1->click();
    EXPECT_TRUE(letter.Loaded()) << "the letter stays behind the reading";
    testing::PressCloseBox(&letter);  // its close box is its 閉じる
  });
  script.When(form::kMagazineText, Read(readings)).When(form::kMagazineText, Read(readings));
  ui::Show(form::kFanLetter, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kFanLetter));
  EXPECT_TRUE(main.Timer1->isActive());
  EXPECT_EQ(g().FormSlot[form::kFanLetter].Mode, 1);
  ASSERT_EQ(readings.size(), 2u);
  for (const Reading& r : readings) {
    EXPECT_EQ(r.caption, QStringLiteral("ﾌｧﾝﾚﾀｰの文章"));
    EXPECT_EQ(r.heading, QStringLiteral("ﾌｧﾝﾚﾀｰの文章"));
    EXPECT_EQ(r.text, readings[0].text);
  }
  EXPECT_TRUE(readings[0].text.contains(QStringLiteral("「星の島」を読むのも大好きです。")));
}

TEST_F(MagazineWindowsTest, EnterPressesTheFanLettersButtonThatHasTheFocus) {
  g().FormSlot[form::kFanLetter].Param = kWork;
  std::vector<Reading> readings;
  ModalScript script;
  script.When(form::kFanLetter, [&](Form& form) {
    auto& letter = static_cast<Form64&>(form);
    EXPECT_EQ(QApplication::focusWidget(), letter.Command1) << "the letter's button has the focus as it opens";
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(letter.Command1, &enter);
    EXPECT_TRUE(letter.Loaded());
    letter.Command2->setFocus(Qt::TabFocusReason);
    QKeyEvent again(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(letter.Command2, &again);
  });
  script.When(form::kMagazineText, Read(readings));
  ui::Show(form::kFanLetter, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(readings.size(), 1u) << "Enter on 閉じる closes the letter and reads nothing";
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kFanLetter));
}

// Not a test: a started game's first work in print with the grand prize,
// for the documentation (contest-article).
TEST_F(MagazineWindowsTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"contest-article"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::StartSceneGame(main, "新人");
  g().FormSlot[form::kContestArticle].Param = kWork;
  work().ContestResult = 1;
  shot.TakeOverModal(form::kContestArticle, main);
}

}  // namespace
}  // namespace koratsu
