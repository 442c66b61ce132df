// The event notices on the notice base (Form49, Form59, Form20, Form35,
// Form37, Form66, Form62), offscreen.

#include "publishing/windows/notice_windows.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "platform/pictures.h"
#include "publishing/notices.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

class NoticeWindowsTest : public ::testing::Test {
 protected:
  NoticeWindowsTest() : previous_(ui::Installed()) {
    ui::Install(&qt);
    main.show();
    g().GameActive = 1;
    main.SetClockRunning(true);
  }
  ~NoticeWindowsTest() override {
    main.Timer1->stop();
    platform::Forms().UnloadAll();
    testing::ProcessEvents();
    ui::Install(previous_);
    platform::SetProgramFolder(QStringLiteral(KORATSU_BUILD_DIR));
  }
  GameState& g() { return state.g(); }

  // Shows notice `form` modal; `play` acts in it.
  void Show(int form, const std::function<void(platform::NoticeForm&)>& play) {
    ModalScript script;
    script.When(form, [&](Form& window) { play(static_cast<platform::NoticeForm&>(window)); });
    ui::Show(form, ui::Modal);
    EXPECT_TRUE(script.Done());
  }
  // Pictures of one colour each, in a program folder of the test's own, for
  // the stored pictures of window `form` named `controls`: their colours, in order.
  std::vector<QRgb> PlantPictures(int form, std::initializer_list<const char*> controls) {
    std::vector<QRgb> colours;
    QDir(folder.path()).mkpath(QStringLiteral("Graphic/Forms"));
    for (const char* control : controls) {
      const QRgb colour = qRgb(40 * static_cast<int>(colours.size()), 90, 200);
      QImage picture(8, 8, QImage::Format_RGB32);
      picture.fill(colour);
      picture.save(folder.filePath(QString::fromStdString(form::PicturePath(form, control))));
      colours.push_back(colour);
    }
    platform::SetProgramFolder(folder.path());
    return colours;
  }
  static QRgb Colour(QLabel* picture) { return picture->pixmap().toImage().pixel(0, 0); }

  static QString Text(QWidget& window, const char* control) {
    auto* label = window.findChild<QLabel*>(QString::fromUtf8(control));
    return label ? label->text() : QStringLiteral("(none)");
  }

  testing::FreshState state;
  QTemporaryDir folder;
  testing::SoundRecordingUi qt;
  MDIForm1 main;

 private:
  ui::Ui* previous_;
};

TEST_F(NoticeWindowsTest, EachClosesByItsButtonOrWhereItKeepsOneByItsCloseBoxAndStartsTheClockAgain) {
  const struct {
    int form;
    const char* caption;
    const char* heading;  // the heading's control, and its design text
    const char* headingText;
    const char* button;
    bool closeBox;
  } cases[] = {
      {form::kFeeNotice, "原稿料", "Label3", "== 原稿料です  ==", "受け取る", false},
      {form::kVeryPopular, "大人気です", "Label3(0)", "", "閉じる", false},
      {form::kAccident, "アクシデント発生", nullptr, nullptr, "閉じる", false},
      {form::kComicsMilestone, "おめでとう", "Label3(0)", "== コミックスが大人気です ==", "閉じる", false},
      {form::kSerialMilestone, "連載記念", nullptr, nullptr, "閉じる", true},
      {form::kReturnsNotice, "本の返本", "Label3", "== 倉庫が返本の山です ==", "閉じる", true},
      {form::kCongratulation, "おめでとう", "Label3(0)", "== おめでとうございます ==", "閉じる", true},
  };
  for (const auto& c : cases) {
    for (bool byCloseBox : {false, true}) {
      if (byCloseBox && !c.closeBox) continue;
      SCOPED_TRACE(form::Name(c.form) + (byCloseBox ? " by its close box" : " by its button"));
      Show(c.form, [&](platform::NoticeForm& notice) {
        EXPECT_EQ(notice.windowTitle(), QString::fromUtf8(c.caption));
        if (c.heading) {
          EXPECT_EQ(Text(notice, c.heading), QString::fromUtf8(c.headingText));
        }
        EXPECT_EQ(notice.Command1->text(), QString::fromUtf8(c.button));
        EXPECT_FALSE(main.Timer1->isActive());
        EXPECT_TRUE(notice.rect().contains(notice.Command1->geometry()));
        if (!c.closeBox) {
          testing::PressCloseBox(&notice);
          QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
          QApplication::sendEvent(&notice, &escape);
          QKeyEvent altF4(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
          QApplication::sendEvent(&notice, &altF4);
          EXPECT_TRUE(notice.Loaded()) << "only its button closes it";
        }
        if (byCloseBox) {
          testing::PressCloseBox(&notice);
        } else {
          notice.Command1->click();
        }
      });
      EXPECT_FALSE(platform::Forms().IsLoaded(c.form));
      EXPECT_TRUE(main.Timer1->isActive());
    }
  }
}

TEST_F(NoticeWindowsTest, TheFeeRingsOnceOnItsButtonAfterShowingWhatItsOpenerWrote) {
  for (int koukaon : {1, 2}) {
    g().Koukaon = koukaon;
    qt.sounds.clear();
    ui::SetControlText(form::kFeeNotice, "Label2(1)", "週刊少年ホップの賞金");
    ui::SetControlText(form::kFeeNotice, "Label2(0)", "50万0000円");
    Show(form::kFeeNotice, [&](platform::NoticeForm& notice) {
      EXPECT_EQ(Text(notice, "Label1(1)"), QStringLiteral("原稿料"));
      EXPECT_EQ(Text(notice, "Label2(1)"), QStringLiteral("週刊少年ホップの賞金"));
      EXPECT_EQ(Text(notice, "Label2(0)"), QStringLiteral("50万0000円"));
      EXPECT_TRUE(qt.sounds.empty()) << "not as it opens";
      notice.Command1->click();
    });
    EXPECT_EQ(qt.sounds, koukaon == 2 ? std::vector<int>{} : std::vector<int>{0}) << koukaon;
  }
}

TEST_F(NoticeWindowsTest, PopularityRisesByOneOnlyThroughTheButton) {
  g().PlayerPopularity = 10;
  ui::SetControlText(form::kVeryPopular, "Label3(0)", VeryPopularHeading("星の島"));
  ui::SetControlText(form::kVeryPopular, "Label1(0)", VeryPopularText("星の島", PopularityNews::Interview));
  Show(form::kVeryPopular, [&](platform::NoticeForm& notice) {
    EXPECT_EQ(Text(notice, "Label3(0)"), QStringLiteral("==星の島が大人気です =="));
    EXPECT_EQ(Text(notice, "Label1(0)"), QString::fromStdString(VeryPopularText("星の島", PopularityNews::Interview)));
    EXPECT_EQ(g().PlayerPopularity, 10) << "nothing as it opens";
    notice.Command1->click();
  });
  EXPECT_EQ(g().PlayerPopularity, 11);
}

TEST_F(NoticeWindowsTest, TheAccidentShowsItsSceneByModeAndKeepsItsDesignOtherwise) {
  const std::vector<QRgb> colours = PlantPictures(form::kAccident, {"Picture2", "Image1(0)", "Image1(1)"});
  for (int mode : {0, 1, 2}) {
    SCOPED_TRACE(mode);
    g().FormSlot[form::kAccident].Mode = mode;
    Show(form::kAccident, [&](platform::NoticeForm& notice) {
      auto& accident = static_cast<Form20&>(notice);
      const std::optional<std::string> text = AccidentText(mode);
      EXPECT_EQ(accident.Label1[0]->text(), text ? QString::fromStdString(*text) : QString());
      // The ink, the fire, the design picture.
      EXPECT_EQ(Colour(accident.Picture2), colours[mode == 0 ? 2 : mode == 1 ? 1 : 0]);
      notice.Command1->click();
    });
  }
}

TEST_F(NoticeWindowsTest, TheMilestoneTakesThePictureOfItsCount) {
  const std::vector<QRgb> colours =
      PlantPictures(form::kSerialMilestone, {"Image1", "Image2(0)", "Image2(1)", "Image2(2)", "Image2(3)"});
  const std::pair<int, int> cases[] = {{10, 2}, {30, 1}, {50, 3}, {100, 4}, {20, 0}};  // episodes, colour
  for (const auto& [episodes, colour] : cases) {
    SCOPED_TRACE(episodes);
    g().FormSlot[form::kSerialMilestone].Param = episodes;
    Show(form::kSerialMilestone, [&](platform::NoticeForm& notice) {
      auto& milestone = static_cast<Form35&>(notice);
      EXPECT_EQ(Colour(milestone.Image1), colours[static_cast<size_t>(colour)]);
      notice.Command1->click();
    });
  }
}

TEST_F(NoticeWindowsTest, TheMillionSellerWritesItsOwnText) {
  g().MangaWork[3].Title = "星の島";
  g().MillionRecord[0] = 3;
  g().MillionRecord[1] = 0;
  Show(form::kComicsMilestone, [](platform::NoticeForm& notice) {
    EXPECT_EQ(static_cast<Form37&>(notice).Label1->text(),
              QStringLiteral("「星の島」のコミックス 第1巻の売り上げがついに100万冊を突破しました。"));
    notice.Command1->click();
  });
}

// Not a test: the fee notice for a grand prize, for the documentation (fee).
TEST_F(NoticeWindowsTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"fee"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::StartSceneGame(main, "新人");
  ui::SetControlText(form::kFeeNotice, "Label2(1)", FeePurpose(0, true));
  ui::SetControlText(form::kFeeNotice, "Label2(0)", FeeAmount(500000));
  shot.TakeOverModal(form::kFeeNotice, main);
}

}  // namespace
}  // namespace koratsu
