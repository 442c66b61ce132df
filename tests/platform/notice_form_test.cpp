// The notice base, on two notices of the tests' own, offscreen.

#include "platform/notice_form.h"

#include <array>

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "support/fresh_state.h"
#include "ui/ui.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

constexpr int kKeepsCloseBox = testing::kFirstTestForm + 25;
constexpr int kNoCloseBox = testing::kFirstTestForm + 26;

int& Presses() {
  static int presses = 0;
  return presses;
}

// Two pictures, a heading and two texts, and a button that counts its presses.
template <int N>
class Notice : public platform::NoticeForm {
 public:
  Notice() : NoticeForm(N, QStringLiteral("お知らせ"), {.closeBox = N == kKeepsCloseBox}) {
    Heading = AddHeading("Label3", QStringLiteral("== お知らせです =="));
    Pictures[0] = AddPicture("Image1(0)", 64, 64);
    Pictures[1] = AddPicture("Image1(1)", 64, 64);
    Texts[0] = AddText("Label1(0)", 1, QStringLiteral("設計の文"), true);
    Texts[1] = AddText("Label1(1)", 5);
    AddButton(QStringLiteral("閉じる"));
  }
  QLabel* Heading;
  std::array<QLabel*, 2> Pictures;
  std::array<QLabel*, 2> Texts;

 protected:
  void ButtonPressed() override {
    ++Presses();
    EXPECT_TRUE(Loaded()) << "the effect comes before the window closes";
  }
};

const bool registered = platform::RegisterForm<Notice<kKeepsCloseBox>>(kKeepsCloseBox) &&
                        platform::RegisterForm<Notice<kNoCloseBox>>(kNoCloseBox);

class NoticeFormTest : public ::testing::Test {
 protected:
  NoticeFormTest() {
    Presses() = 0;
    main.show();
    state.g().GameActive = 1;
    main.SetClockRunning(true);
  }
  ~NoticeFormTest() override { main.Timer1->stop(); }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(NoticeFormTest, LaysOutItsPiecesAndTakesItsTextsByTheirDesignNames) {
  ui::SetControlText(kNoCloseBox, "Label1(1)", "開く前に書いた文");
  auto* notice = platform::Forms().Find<Notice<kNoCloseBox>>(kNoCloseBox);
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(notice->Texts[1]->text(), QStringLiteral("開く前に書いた文"));
  EXPECT_EQ(notice->Texts[0]->text(), QStringLiteral("設計の文"));
  EXPECT_EQ(notice->windowTitle(), QStringLiteral("お知らせ"));

  // The heading across the top; the pictures in a row under it, the texts'
  // panel beside them as high as they are; the button under all, inside the window.
  const QRect heading = notice->Heading->geometry();
  const QRect left = notice->Pictures[0]->geometry(), right = notice->Pictures[1]->geometry();
  const QRect panel = notice->Texts[0]->parentWidget()->geometry();
  const QRect button = notice->Command1->geometry();
  EXPECT_EQ(heading.width(), notice->width() - 16);
  EXPECT_EQ(left.size(), QSize(64, 64));
  EXPECT_GT(left.top(), heading.bottom());
  EXPECT_EQ(right.top(), left.top());
  EXPECT_GT(right.left(), left.right());
  EXPECT_GT(panel.left(), right.right());
  EXPECT_EQ(panel.top(), left.top());
  EXPECT_GE(panel.height(), left.height());
  EXPECT_EQ(panel.right(), heading.right());
  EXPECT_GT(button.top(), panel.bottom());
  EXPECT_EQ(button.right(), panel.right());
  EXPECT_TRUE(notice->rect().contains(button));
  for (QLabel* text : notice->Texts) EXPECT_TRUE(QRect(QPoint(), panel.size()).contains(text->geometry()));
  ui::Unload(kNoCloseBox);
}

TEST_F(NoticeFormTest, ItsButtonActsThenClosesAndTheClockRunsAgain) {
  ModalScript script;
  script.When(kNoCloseBox, [this](Form& form) {
    EXPECT_FALSE(main.Timer1->isActive());
    static_cast<Notice<kNoCloseBox>&>(form).Command1->click();
  });
  ui::Show(kNoCloseBox, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(Presses(), 1);
  EXPECT_FALSE(platform::Forms().IsLoaded(kNoCloseBox));
  EXPECT_TRUE(main.Timer1->isActive());
}

TEST_F(NoticeFormTest, AKeptCloseBoxIsItsButtonAndARemovedOneDoesNothing) {
  ModalScript script;
  script.When(kKeepsCloseBox, [](Form& form) { testing::PressCloseBox(&form); });
  script.When(kNoCloseBox, [](Form& form) {
    testing::PressCloseBox(&form);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&form, &escape);
    EXPECT_TRUE(form.Loaded());
    EXPECT_EQ(Presses(), 1);
    form.Unload();
  });
  ui::Show(kKeepsCloseBox, ui::Modal);
  EXPECT_EQ(Presses(), 1);
  EXPECT_TRUE(main.Timer1->isActive());
  ui::Show(kNoCloseBox, ui::Modal);
  EXPECT_TRUE(script.Done());
}

}  // namespace
}  // namespace koratsu
