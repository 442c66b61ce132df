// The bring-in window (Form24), offscreen: its lists without a fee column,
// its work lines, and a review played through the real windows.

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "production/work_record.h"
#include "publishing/windows/bring_in_window.h"
#include "publishing/windows/submission_window_fixture.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/conversation_window.h"
#include "shell/windows/message_boxes.h"
#include "state/catalogues.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

constexpr int kChokomaka = 3;

std::string Text(const QLabel* label) { return label->text().toStdString(); }

using BringInWindowTest = testing::SubmissionWindowTest;

TEST_F(BringInWindowTest, ItShowsTheListsWithoutAFeeColumnAndFourWorkLines) {
  AddWork("一番星", manga_state::kUnsent);
  g().Magazine[kChokomaka].Adopted = 1;
  ui::Show(form::kBringIn, ui::Modeless);
  auto* window = platform::Forms().Find<Form24>(form::kBringIn);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("描いた漫画を出版社に持込む"));
  EXPECT_EQ(Text(window->Label3[0]), "== 描いた漫画を出版社へ持込みます  ==");
  const std::pair<int, const char*> captions[] = {{1, "出版社"}, {2, "雑誌名"}, {3, "持込む漫画"}, {5, "出版社"},
                                                  {6, "雑誌名"}, {7, "採用歴"}, {8, "原稿料"}};
  for (auto [i, caption] : captions) EXPECT_EQ(Text(window->Label3[static_cast<size_t>(i)]), caption) << i;
  EXPECT_EQ(window->Label3[4], nullptr);
  EXPECT_EQ(window->Command2->text(), QStringLiteral("持込む"));
  EXPECT_EQ(window->Command1->text(), QStringLiteral("やめる"));

  SubmissionLists& lists = *window->Lists;
  ASSERT_EQ(lists.Label1.size(), 10u);
  EXPECT_TRUE(lists.Label4.empty()) << "no fee column";
  EXPECT_EQ(lists.Line1.size(), 2u);
  for (const platform::Shape* rule : lists.Line1) EXPECT_EQ(rule->height(), 150);
  EXPECT_EQ(window->Shape1[4], lists.MagazineBar);
  EXPECT_EQ(window->Shape1[5], lists.WorksBar);
  EXPECT_EQ(window->Shape1[4]->FillColor(), 0x800000u);

  EXPECT_EQ(Text(lists.Label7[0]), "一番星");
  EXPECT_EQ(Text(window->Label5[3]), "");
  EXPECT_EQ(Text(window->Label5[4]), g().ClassList[1].Text[1].Str());
  EXPECT_EQ(Text(window->Label5[5]), g().ClassList[2].Text[2].Str());
  EXPECT_EQ(Text(window->Label5[6]), "");
  window->SyuppanClick(kChokomaka);
  EXPECT_EQ(Text(window->Label5[0]), "千石船書房");
  EXPECT_EQ(Text(window->Label5[8]), "100万0000円") << "the prize stands as the fee";
  EXPECT_EQ(Text(window->Label5[7]), "あります");

  for (size_t r = 0; r < lists.Label1.size(); ++r)
    for (QLabel* label : {lists.Label1[r], lists.Label2[r]})
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width()) << Text(label);
}

TEST_F(BringInWindowTest, TheCloseBoxAndEscAreItsOwnCancel) {
  ModalScript script;
  script.When(form::kBringIn, [](Form& form) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&form, &escape);
    EXPECT_TRUE(platform::Forms().IsLoaded(form::kBringIn)) << "Esc does nothing";
    testing::PressCloseBox(&form);
  });
  g().ResumeRequest = 0;
  ui::Show(form::kBringIn, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kBringIn));
  EXPECT_EQ(g().ResumeRequest, 1);
}

TEST_F(BringInWindowTest, ARefusedWorkIsReviewedAfterTheWindowClosed) {
  const long long w = AddWork("一番星", manga_state::kUnsent);
  g().MangaWork[w].Hyouka = 10;
  testing::ScriptedRandom draws;
  draws.ExpectRnd(0.5).Expect(3, 1).Expect(3, 1).Expect(3, 1).Expect(2, 0);
  SetRandomSource(&draws);
  std::vector<QString> talks;
  auto listen = [&](Form& form) {
    EXPECT_FALSE(platform::Forms().IsLoaded(form::kBringIn));
    talks.push_back(form.windowTitle());
    form.Unload();
  };
  ModalScript script;
  script.When(form::kBringIn, [](Form& form) { static_cast<Form24&>(form).Command2->click(); })
      .When(form::kYesNo,
            [](Form& form) {
              auto& box = static_cast<Form40&>(form);
              EXPECT_EQ(box.Label1->text(), QStringLiteral("大風呂敷出版に一番星を持込みますか？"));
              box.Command1[0]->click();
            })
      .When(form::kConversation, listen)
      .When(form::kConversation, listen);
  ui::Show(form::kBringIn, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(draws.Remaining(), 0u);
  EXPECT_EQ(talks, (std::vector<QString>{QStringLiteral("出版社の人"), QStringLiteral("出版社の人")}));
  EXPECT_EQ(g().MangaWork[w].State, manga_state::kSent);
  EXPECT_EQ(g().Magazine[0].Yukou, -1);
  EXPECT_EQ(g().ResumeRequest, 1);
}

}  // namespace
}  // namespace koratsu

namespace koratsu {
namespace {

// Not a test: the bring-in window over a game with two works waiting, the
// second one and a magazine chosen, for the documentation (bring-in).
TEST(BringInScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"bring-in"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::SceneGame scene("漫画家");
  GameState& g = scene.state.g();
  testing::AddWaitingWorks(g);
  g.Magazine[kChokomaka].Adopted = 1;
  shot.TakeOverModal(form::kBringIn, scene.main, [](Form& form) {
    auto& window = static_cast<Form24&>(form);
    window.MangaClick(1);
    window.SyuppanClick(kChokomaka);
  });
}

}  // namespace
}  // namespace koratsu
