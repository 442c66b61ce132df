// The posting window (Form8) and the envelope's trip (Form68), offscreen.

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <string>

#include "platform/colors.h"
#include "production/work_record.h"
#include "publishing/contest.h"
#include "publishing/submission_lists.h"
#include "publishing/windows/contest_post_window.h"
#include "publishing/windows/envelope_window.h"
#include "publishing/windows/submission_window_fixture.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "state/catalogues.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

constexpr int kChokomaka = 3;

std::string Text(const QLabel* label) { return label->text().toStdString(); }

QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

void Press(QWidget* target) { testing::LeftMouse(target, QEvent::MouseButtonPress, QPoint(2, 2)); }

class ContestPostWindowTest : public testing::SubmissionWindowTest {
 protected:
  Form8* Open() {
    ui::Show(form::kContestPost, ui::Modeless);
    return platform::Forms().Find<Form8>(form::kContestPost);
  }
};

TEST_F(ContestPostWindowTest, ANewGameShowsTheMagazinesAndNoWorks) {
  Form8* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("描いた漫画を出版社に送る"));
  EXPECT_EQ(Text(window->Label3[0]), "== 描いた漫画を雑誌の新人賞へ送ります  ==");
  const std::pair<int, const char*> captions[] = {{1, "出版社"},   {2, "雑誌名"},   {3, "最高原稿料"}, {4, "投稿できる漫画"},
                                                  {5, "出版社"},   {6, "雑誌名"},   {7, "採用歴"},     {8, "原稿料"},
                                                  {10, "対象年齢"}, {11, "ジャンル"}};
  for (auto [i, caption] : captions) EXPECT_EQ(Text(window->Label3[static_cast<size_t>(i)]), caption) << i;
  EXPECT_EQ(window->Frame1[0]->title(), QStringLiteral("出版社の情報"));
  EXPECT_EQ(window->Frame1[1]->title(), QStringLiteral("漫画の情報"));
  EXPECT_EQ(window->Command2->text(), QStringLiteral("送る"));
  EXPECT_EQ(window->Command1->text(), QStringLiteral("やめる"));

  SubmissionLists& lists = *window->Lists;
  EXPECT_FALSE(lists.Picture2->isVisibleTo(window)) << "no work record at all";
  EXPECT_TRUE(lists.Label7.empty());
  EXPECT_EQ(Text(window->Label5[4]), "");
  EXPECT_EQ(Text(window->Label5[5]), "");
  ASSERT_EQ(lists.Label1.size(), 10u);
  ASSERT_EQ(lists.Label4.size(), 10u);
  EXPECT_EQ(Text(lists.Label1[kChokomaka]), "千石船書房");
  EXPECT_EQ(Text(lists.Label2[kChokomaka]), "週刊ちょこまか");
  EXPECT_EQ(Text(lists.Label4[kChokomaka]), "100万0000円");
  EXPECT_EQ(lists.Picture1->height(), 154);
  for (const platform::Shape* rule : lists.Line1) EXPECT_EQ(rule->height(), 150);
  EXPECT_EQ(lists.Line1.size(), 4u);
  EXPECT_EQ(lists.VScroll1->maximum(), 0) << "ten magazines fit";

  // The first magazine is selected and described.
  EXPECT_EQ(TextColour(lists.Label2[0]), platform::VbColor(platform::kWhite));
  EXPECT_EQ(TextColour(lists.Label2[1]), QColor(Qt::black));
  EXPECT_EQ(window->Shape1[6]->FillColor(), 0x800000u);
  EXPECT_EQ(window->Shape1[0]->FillColor(), platform::kHeadingBarFill);
  EXPECT_EQ(Text(window->Label5[0]), "大風呂敷出版");
  EXPECT_EQ(Text(window->Label5[1]), "週刊少年ドタバタ");
  EXPECT_EQ(Text(window->Label5[8]), "100万0000円");
  EXPECT_EQ(Text(window->Label5[7]), "ありません");

  // Every text fits its place.
  auto fits = [](const QLabel* label) {
    if (label->wordWrap()) {
      EXPECT_LE(label->heightForWidth(label->width()), label->height()) << Text(label) << " is cut off";
    } else {
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
          << Text(label) << " is cut off";
    }
  };
  for (size_t r = 0; r < lists.Label1.size(); ++r) {
    window->SyuppanClick(static_cast<int>(r));
    for (QLabel* label : {lists.Label1[r], lists.Label2[r], lists.Label4[r], window->Label5[0], window->Label5[1],
                          window->Label5[2], window->Label5[8]})
      fits(label);
  }
  for (QLabel* label : window->Label3)
    if (label) fits(label);
}

TEST_F(ContestPostWindowTest, RowsArePressedToSelectThem) {
  AddWork("一番星", manga_state::kSent);
  AddWork("二番星", manga_state::kUnsent);
  AddWork("三番星", manga_state::kUnsent);
  Form8* window = Open();
  SubmissionLists& lists = *window->Lists;
  ASSERT_EQ(lists.Label7.size(), 2u);
  EXPECT_TRUE(lists.Picture2->isVisibleTo(window));
  EXPECT_EQ(Text(lists.Label7[0]), "二番星");
  EXPECT_EQ(Text(lists.Label7[1]), "三番星");
  EXPECT_EQ(lists.Label7[1]->y(), 17);
  EXPECT_EQ(lists.Picture2->height(), 38);
  EXPECT_EQ(TextColour(lists.Label7[0]), platform::VbColor(platform::kWhite));
  EXPECT_EQ(Text(window->Label5[4]), g().ClassList[1].Text[1].Str());
  EXPECT_EQ(Text(window->Label5[5]), g().ClassList[2].Text[2].Str());

  Press(lists.Label7[1]);
  EXPECT_EQ(g().MangaListRow, 1);
  EXPECT_EQ(lists.WorksBar->y(), 15);
  EXPECT_EQ(TextColour(lists.Label7[0]), QColor(Qt::black));
  EXPECT_EQ(TextColour(lists.Label7[1]), platform::VbColor(platform::kWhite));

  g().Magazine[kChokomaka].Adopted = 1;
  Press(lists.Label4[kChokomaka]);
  EXPECT_EQ(g().MagazineListRow, kChokomaka);
  EXPECT_EQ(lists.MagazineBar->y(), 45);
  EXPECT_EQ(TextColour(lists.Label1[kChokomaka]), platform::VbColor(platform::kWhite));
  EXPECT_EQ(TextColour(lists.Label1[0]), QColor(Qt::black));
  EXPECT_EQ(Text(window->Label5[1]), "週刊ちょこまか");
  EXPECT_EQ(Text(window->Label5[2]), " 子供に大人気の雑誌。人気漫画家が多数連載。");
  EXPECT_EQ(Text(window->Label5[7]), "あります");

  // A row past the end is only remembered.
  window->MangaClick(2);
  EXPECT_EQ(g().MangaListRow, 2);
  EXPECT_EQ(lists.WorksBar->y(), 15);
}

TEST_F(ContestPostWindowTest, ALongListScrollsByWholePixels) {
  for (int i = 0; i < 20; ++i) AddWork("作品" + std::to_string(i), manga_state::kUnsent);
  Form8* window = Open();
  SubmissionLists& lists = *window->Lists;
  EXPECT_EQ(lists.Picture2->height(), 308);
  EXPECT_EQ(lists.VScroll2->maximum(), 308 - lists.Picture4->height());
  EXPECT_EQ(lists.VScroll2->pageStep(), 154);
  EXPECT_EQ(lists.VScroll1->pageStep(), 77);
  lists.VScroll2->setValue(50);
  EXPECT_EQ(lists.Picture2->y(), -50);
}

TEST_F(ContestPostWindowTest, AListPagesByHalfItsHeightWithHalvesToEven) {
  const struct {
    int works, picture, page;
  } cases[] = {{1, 23, 12}, {3, 53, 26}, {4, 68, 34}};
  int added = 0;
  for (const auto& c : cases) {
    for (; added < c.works; ++added) AddWork("作品" + std::to_string(added), manga_state::kUnsent);
    Form8* window = Open();
    SubmissionLists& lists = *window->Lists;
    ASSERT_EQ(lists.Picture2->height(), c.picture);
    EXPECT_EQ(lists.VScroll2->pageStep(), c.page) << c.works << " works";
    ui::Unload(form::kContestPost);
  }
}

TEST_F(ContestPostWindowTest, TheWheelOverAListScrollsThatListRowByRow) {
  for (int i = 0; i < 20; ++i) AddWork("作品" + std::to_string(i), manga_state::kUnsent);
  Form8* window = Open();
  SubmissionLists& lists = *window->Lists;
  // The bar's arrows move a pixel; a wheel line moves a row.
  const int notch = QApplication::wheelScrollLines() * kSubmissionRowPitch;
  EXPECT_TRUE(testing::TurnWheel(lists.Picture4, -120));
  EXPECT_EQ(lists.VScroll2->value(), notch);
  EXPECT_EQ(lists.Picture2->y(), -notch);
  // The magazines fit: the wheel over them moves neither list.
  EXPECT_TRUE(testing::TurnWheel(lists.Picture3, -120));
  EXPECT_EQ(lists.Picture1->y(), 0);
  EXPECT_EQ(lists.Picture2->y(), -notch);
  EXPECT_TRUE(testing::TurnWheel(lists.Picture4, 120));
  EXPECT_EQ(lists.Picture2->y(), 0);
}

TEST_F(ContestPostWindowTest, WithNothingToSendItSaysSoAndStaysOpen) {
  AddWork("送った漫画", manga_state::kSent);
  g().TutorialStage = 10;
  ModalScript script;
  script
      .When(form::kContestPost,
            [this](Form& form) {
              auto& window = static_cast<Form8&>(form);
              EXPECT_EQ(g().TutorialStage, 11);
              EXPECT_TRUE(window.Lists->Picture2->isVisible()) << "works were sent: an empty list";
              window.SyuppanClick(kChokomaka);
              window.Command2->click();
              EXPECT_TRUE(platform::Forms().IsLoaded(form::kContestPost));
              window.close();  // the close box: the same as やめる
            })
      .When(form::kMessage, [](Form& form) {
        auto& box = static_cast<Form42&>(form);
        EXPECT_EQ(box.Label1->text(), QStringLiteral("現在千石船書房に送れる原稿はありません。"));
        box.Command1[0]->click();
      });
  g().ResumeRequest = 0;
  ui::Show(form::kContestPost, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kContestPost));
  EXPECT_EQ(g().ResumeRequest, 1);
  EXPECT_EQ(g().TutorialStage, 11) << "closed without posting";
}

TEST_F(ContestPostWindowTest, PostingSendsTheEnvelopeThatClosesOnlyByItself) {
  AddWork("一番星", manga_state::kUnsent);
  g().TutorialStage = 10;
  int moves = 0;
  ModalScript script;
  script
      .When(form::kContestPost,
            [](Form& form) {
              auto& window = static_cast<Form8&>(form);
              window.SyuppanClick(kChokomaka);
              window.Command2->click();
            })
      .When(form::kYesNo,
            [](Form& form) {
              auto& box = static_cast<Form40&>(form);
              EXPECT_EQ(box.Label1->text(), QStringLiteral("千石船書房に「一番星」を投稿しますか？"));
              box.Command1[0]->click();
            })
      .When(form::kPostingAnimation, [&](Form& form) {
        auto& envelope = static_cast<Form68&>(form);
        EXPECT_FALSE(platform::Forms().IsLoaded(form::kContestPost)) << "the posting window closed first";
        EXPECT_EQ(envelope.windowTitle(), QStringLiteral("原稿投稿"));
        EXPECT_EQ(envelope.Picture1->size(), QSize(285, 69));
        EXPECT_EQ(envelope.Timer1->interval(), 100);
        EXPECT_TRUE(envelope.Timer1->isActive());
        envelope.Timer1->stop();
        EXPECT_EQ(envelope.Image1->pos(), QPoint(16, 30));
        envelope.close();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&envelope, &escape);
        EXPECT_TRUE(platform::Forms().IsLoaded(form::kPostingAnimation)) << "neither the desktop nor Esc closes it";
        while (platform::Forms().IsLoaded(form::kPostingAnimation) && moves < 50) {
          EXPECT_EQ(g().TutorialStage, 11);
          envelope.Timer1_Timer();
          ++moves;
        }
      });
  ui::Show(form::kContestPost, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(moves, 22);
  EXPECT_EQ(g().TutorialStage, 12);
  EXPECT_EQ(g().MangaWork[0].State, manga_state::kSent);
  EXPECT_EQ(g().MangaWork[0].SentMagazine, kChokomaka);
}

}  // namespace
}  // namespace koratsu

namespace koratsu {
namespace {

// Not a test: the posting window over a game with two works waiting, the
// second one and a magazine chosen, for the documentation (contest-post).
TEST(ContestPostScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"contest-post"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::SceneGame scene("漫画家");
  MDIForm1& main = scene.main;
  testing::FreshState& state = scene.state;
  GameState& g = state.g();
  testing::AddWaitingWorks(g);
  shot.TakeOverModal(form::kContestPost, main, [](Form& form) {
    auto& window = static_cast<Form8&>(form);
    window.MangaClick(1);
    window.SyuppanClick(kChokomaka);
  });
}

}  // namespace
}  // namespace koratsu
