// The comics release (Form47), the anime and movie offer (Form43) and the
// merchandise offer (Form48), offscreen.

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "publishing/windows/comics_release_window.h"
#include "publishing/windows/media_offer_window.h"
#include "publishing/windows/merchandise_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/game_state.h"
#include "support/fresh_state.h"
#include "ui/forms.h"
#include "ui/talk.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

constexpr int kWork = 1;

class MediaWindowsTest : public ::testing::Test {
 protected:
  MediaWindowsTest() : previous_(ui::Installed()) {
    ui::Install(&qt);
    main.show();
    g().GameActive = 1;
    g().PlayerSei = "漫画";
    g().PlayerMei = "太郎";
    g().MangaCount = 2;
    g().MangaWork[kWork].Title = "海の旅";
    main.SetClockRunning(true);
  }
  ~MediaWindowsTest() override {
    main.Timer1->stop();
    platform::Forms().UnloadAll();
    testing::ProcessEvents();
    ui::Install(previous_);
  }
  GameState& g() { return state.g(); }

  // The windows that can only be closed by their buttons refuse the rest.
  void ExpectOnlyButtonsClose(Form& window) {
    testing::PressCloseBox(&window);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
    QKeyEvent altF4(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
    QApplication::sendEvent(&window, &altF4);
    EXPECT_TRUE(window.Loaded());
  }

  // Closes the editor's reply, noting its lines and whether the offer was
  // still open behind it.
  void ReadReply(ModalScript& script) {
    script.When(form::kConversation, [this](Form& talk) {
      offerOpenDuringReply = platform::Forms().IsLoaded(form::kMediaOffer);
      for (long long i = 0; i < TalkLinesInUse(); ++i) reply.push_back(g().TalkLines[i].Str());
      talk.Unload();
    });
  }

  testing::FreshState state;
  testing::SoundRecordingUi qt;
  MDIForm1 main;
  std::vector<std::string> reply;
  bool offerOpenDuringReply = true;

 private:
  ui::Ui* previous_;
};

TEST_F(MediaWindowsTest, TheReleaseNoticeShowsTheOpenersTextsAndItsButtonBringsTheSeriesToMarket) {
  g().FormSlot[form::kComicsRelease].Param = kWork;
  g().MangaWork[kWork].Volumes = 1;
  g().ComicCount = 5;
  g().ResumeRequest = 0;
  ui::SetControlText(form::kComicsRelease, "Label2(1)", "海の旅");
  ui::SetControlText(form::kComicsRelease, "Label2(0)", "390円");
  ui::SetControlText(form::kComicsRelease, "Label2(2)", "1巻");
  ModalScript script;
  script.When(form::kComicsRelease, [&](Form& window) {
    auto& release = static_cast<Form47&>(window);
    EXPECT_EQ(release.windowTitle(), QStringLiteral("コミックス発売"));
    EXPECT_EQ(release.Label3->text(), QStringLiteral("== コミックス発売 =="));
    EXPECT_EQ(release.Label1[0]->text(), QStringLiteral("今日はコミックスの発売日です。"));
    EXPECT_EQ(release.Label1[1]->text(), QStringLiteral("定価"));
    EXPECT_EQ(release.Label1[2]->text(), QStringLiteral("巻数"));
    EXPECT_EQ(release.Label2[1]->text(), QStringLiteral("海の旅"));
    EXPECT_EQ(release.Label2[0]->text(), QStringLiteral("390円"));
    EXPECT_EQ(release.Label2[2]->text(), QStringLiteral("1巻"));
    EXPECT_EQ(release.Command1->text(), QStringLiteral("閉じる"));
    EXPECT_EQ(release.Shape1[0]->FillColor(), 0xFF8000u);
    EXPECT_EQ(release.Image1->pixmap().size(), QSize(64, 88));
    EXPECT_FALSE(main.Timer1->isActive());
    ExpectOnlyButtonsClose(release);
    EXPECT_EQ(g().ComicCount, 5) << "nothing before the button";
    release.Command1->click();
  });
  ui::Show(form::kComicsRelease, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(g().ComicCount, 6);
  EXPECT_EQ(g().ComicEntry[5].MangaIndex, kWork);
  EXPECT_EQ(g().PlayerPopularity, 0.5);
  EXPECT_EQ(g().ResumeRequest, 1);
  EXPECT_TRUE(main.Timer1->isActive());
}

TEST_F(MediaWindowsTest, TheOfferShowsItsModeAndClosesBeforeTheEditorReplies) {
  const struct {
    int mode;
    bool accept;
    const char* caption;
    const char* acceptText;
    const char* declineText;
    const char* offer;
  } cases[] = {
      {0, true, "テレビアニメ化", "アニメ化する", "アニメ化しない", "「 海の旅 」をアニメ化しますか？放送は毎週土曜日です。"},
      {0, false, "テレビアニメ化", "アニメ化する", "アニメ化しない", "「 海の旅 」をアニメ化しますか？放送は毎週土曜日です。"},
      {1, true, "映画化", "映画化する", "映画化しない", "「 海の旅 」が大人気で、現在映画化を検討しています。封切は16日後です。"},
      {1, false, "映画化", "映画化する", "映画化しない", "「 海の旅 」が大人気で、現在映画化を検討しています。封切は16日後です。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.mode) + (c.accept ? " accepted" : " declined"));
    g().MangaWork[kWork] = {};
    g().MangaWork[kWork].Title = "海の旅";
    g().PlayerPopularity = 0;
    g().GameWeekday = 2;
    g().AnimeOfferWeekday = 6;
    g().FormSlot[form::kMediaOffer].Param = kWork;
    g().FormSlot[form::kMediaOffer].Mode = c.mode;
    reply.clear();
    ModalScript script;
    script.When(form::kMediaOffer, [&](Form& window) {
      auto& offer = static_cast<Form43&>(window);
      EXPECT_EQ(offer.windowTitle(), QString::fromUtf8(c.caption));
      EXPECT_EQ(offer.Command1->text(), QString::fromUtf8(c.acceptText));
      EXPECT_EQ(offer.Command2->text(), QString::fromUtf8(c.declineText));
      EXPECT_EQ(offer.Label1[0]->text(), QString::fromUtf8(c.offer));
      EXPECT_EQ(offer.Picture1[0]->isVisible(), c.mode == 0);
      EXPECT_EQ(offer.Picture1[1]->isVisible(), c.mode == 1);
      EXPECT_LT(offer.Command1->x(), offer.Command2->x()) << "accepting stands left";
      EXPECT_TRUE(offer.rect().contains(offer.Command1->geometry()));
      EXPECT_TRUE(offer.rect().contains(offer.Command2->geometry()));
      EXPECT_TRUE(offer.Command1->isDefault());
      EXPECT_FALSE(main.Timer1->isActive());
      ExpectOnlyButtonsClose(offer);
      (c.accept ? offer.Command1 : offer.Command2)->click();
    });
    ReadReply(script);
    ui::Show(form::kMediaOffer, ui::Modal);
    EXPECT_TRUE(script.Done());
    EXPECT_FALSE(offerOpenDuringReply);
    ASSERT_FALSE(reply.empty());
    EXPECT_EQ(reply.size(), c.accept ? 2u : 1u);
    if (c.accept) {
      EXPECT_EQ(g().PlayerPopularity, c.mode == 0 ? 3 : 4);
      if (c.mode == 0) {
        EXPECT_EQ(reply[1], "第一回目の放送は18日後の土曜日ですので、楽しみに待っていてください。");
      } else {
        EXPECT_EQ(g().MangaWork[kWork].MovieStartDays, 16);
      }
    } else {
      EXPECT_EQ(g().PlayerPopularity, 0);
      EXPECT_EQ(g().MangaWork[kWork].AnimeState, 0);
      EXPECT_EQ(g().MangaWork[kWork].MovieOn, 0);
    }
    EXPECT_TRUE(main.Timer1->isActive());
  }
}

TEST_F(MediaWindowsTest, EachMerchandiseKindShowsItsProductAndFee) {
  const struct {
    const char* caption;
    const char* decline;
    const char* accept;
    const char* heading;
    const char* question;
    const char* product;
    const char* fee;
    const char* picture;
  } kinds[] = {
      {"商品化", "商品化しない", "商品化する", "== 漫画が商品化します  ==", "スナック菓子を発売しますか？", "スナック菓子",
       "450万0000円", "Image1(1)"},
      {"商品化", "商品化しない", "商品化する", "== 漫画が商品化します  ==", "ゲームソフトを発売しますか？", "ゲームソフト",
       "1000万0000円", "Image1(0)"},
      {"商品化", "商品化しない", "商品化する", "== 漫画が商品化します  ==", "ｷｬﾗｸﾀｰｶｰﾄﾞを発売しますか？", "ｷｬﾗｸﾀｰｶｰﾄﾞ",
       "200万0000円", "Image1(2)"},
      {"商品化", "商品化しない", "商品化する", "== 漫画が商品化します  ==", "ｷｬﾗｸﾀｰ・ﾌｨｷﾞｭｱを発売しますか？",
       "ｷｬﾗｸﾀｰ・ﾌｨｷﾞｭｱ", "500万0000円", "Image1(3)"},
      {"銀行のﾏｽｺｯﾄ化", "契約しない", "契約する", "== 銀行との契約です  ==", "銀行と契約しますか？", "ﾏｽｺｯﾄｷｬﾗｸﾀｰ",
       "8000万0000円", "Image1(4)"},
  };
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    const auto& kind = kinds[k];
    g().FormSlot[form::kMerchOffer].Param = kWork;
    g().FormSlot[form::kMerchOffer].Mode = k;
    ModalScript script;
    script.When(form::kMerchOffer, [&](Form& window) {
      auto& offer = static_cast<Form48&>(window);
      EXPECT_EQ(offer.windowTitle(), QString::fromUtf8(kind.caption));
      EXPECT_EQ(offer.Command1->text(), QString::fromUtf8(kind.decline));
      EXPECT_EQ(offer.Command2->text(), QString::fromUtf8(kind.accept));
      EXPECT_EQ(offer.Label3->text(), QString::fromUtf8(kind.heading));
      EXPECT_EQ(offer.Label1[0]->text(), QString::fromUtf8(kind.question));
      EXPECT_EQ(offer.Label1[1]->text(), QStringLiteral("商品"));
      EXPECT_EQ(offer.Label1[2]->text(), QStringLiteral("契約金"));
      EXPECT_EQ(offer.Label2[0]->text(), QString::fromUtf8(kind.product));
      EXPECT_EQ(offer.Label2[1]->text(), QStringLiteral("海の旅"));
      EXPECT_EQ(offer.Label2[2]->text(), QString::fromUtf8(kind.fee));
      auto* hidden = offer.findChild<QLabel*>(QString::fromUtf8(kind.picture));
      ASSERT_NE(hidden, nullptr);
      EXPECT_EQ(offer.Picture2->pixmap().toImage(), hidden->pixmap().toImage());
      EXPECT_LT(offer.Command2->x(), offer.Command1->x()) << "accepting stands left";
      EXPECT_FALSE(main.Timer1->isActive());
      ExpectOnlyButtonsClose(offer);
      offer.Command1->click();
    });
    ui::Show(form::kMerchOffer, ui::Modal);
    EXPECT_TRUE(script.Done());
  }
}

TEST_F(MediaWindowsTest, TheBankContractPaysOnceWithOneCoinSoundAndDecliningNothing) {
  g().FormSlot[form::kMerchOffer].Param = kWork;
  g().FormSlot[form::kMerchOffer].Mode = 4;
  for (bool accept : {false, true}) {
    SCOPED_TRACE(accept);
    g().Kingaku = 100;
    qt.sounds.clear();
    ModalScript script;
    script.When(form::kMerchOffer, [&](Form& window) {
      auto& offer = static_cast<Form48&>(window);
      (accept ? offer.Command2 : offer.Command1)->click();
    });
    ui::Show(form::kMerchOffer, ui::Modal);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(g().Kingaku, accept ? 80000100 : 100);
    EXPECT_EQ(qt.sounds, accept ? std::vector<int>{0} : std::vector<int>{});
    EXPECT_EQ(g().MangaWork[kWork].MerchAccepted[4], accept ? 1 : 0);
    EXPECT_TRUE(main.Timer1->isActive());
  }
}

// Not a test: the release notice (release), the anime offer (anime-offer)
// and the bank's offer (merchandise), for looking at them.
TEST(MediaScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"release", "anime-offer", "movie-offer", "merchandise"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::SceneGame scene("漫画太郎");
  GameState& g = scene.state.g();
  g.MangaCount = 1;
  g.MangaWork[0].Title = "星の島";
  g.AnimeOfferWeekday = 4;
  g.FormSlot[form::kMediaOffer].Param = 0;
  g.FormSlot[form::kMerchOffer].Param = 0;
  g.FormSlot[form::kMerchOffer].Mode = 4;
  if (shot.Is("release")) {
    ui::SetControlText(form::kComicsRelease, "Label2(1)", "星の島");
    ui::SetControlText(form::kComicsRelease, "Label2(0)", "390円");
    ui::SetControlText(form::kComicsRelease, "Label2(2)", "3巻");
    shot.TakeOverModal(form::kComicsRelease, scene.main);
  } else if (shot.Is("merchandise")) {
    shot.TakeOverModal(form::kMerchOffer, scene.main);
  } else {
    g.FormSlot[form::kMediaOffer].Mode = shot.Is("movie-offer") ? 1 : 0;
    shot.TakeOverModal(form::kMediaOffer, scene.main);
  }
}

}  // namespace
}  // namespace koratsu
