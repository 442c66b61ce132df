#include "shell/windows/conversation_window.h"

#include <gtest/gtest.h>

#include "clock/phases.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "shell/windows/main_window.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

class ConversationWindowTest : public ::testing::Test {
 protected:
  ConversationWindowTest() {
    main.show();
    g().GameActive = 1;
    main.SetClockRunning(true);
  }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(ConversationWindowTest, ThreeLinesTurnWithTheirButtonAndAPressWhileTypingCompletesTheLine) {
  const QString lines[] = {QStringLiteral("はじめまして。"), QStringLiteral("担当の者です。"), QStringLiteral("よろしく。")};
  for (const QString& line : lines) AddTalkLine(line.toStdString());
  std::vector<QString> buttons;
  ModalScript script;
  script.When(form::kConversation, [&](Form& form) {
    auto& talk = static_cast<Form21&>(form);
    // The test is the timer, from the line's start whatever ran before.
    talk.Timer1->stop();
    g().TalkShownChars = 0;
    EXPECT_EQ(talk.windowTitle(), QStringLiteral("担当 報告"));
    EXPECT_EQ(talk.size(), QSize(217, 119));
    EXPECT_FALSE(main.Timer1->isActive()) << "the conversation stops the clock";
    EXPECT_TRUE(talk.Command1->isDefault());
    for (int line = 0; line < 3; ++line) {
      buttons.push_back(talk.Command1->text());
      talk.Timer1_Timer();
      EXPECT_EQ(talk.Label1[0]->text(), lines[line].left(1));
      talk.Command1->click();
      EXPECT_EQ(g().TalkLineIndex, Value(line)) << "a press while typing turns no page";
      talk.Timer1_Timer();
      EXPECT_EQ(talk.Label1[0]->text(), lines[line]);
      talk.Command1->click();
    }
  });
  ui::ShowTalk("担当 報告");
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(buttons, (std::vector<QString>{QStringLiteral("次へ >>"), QStringLiteral("次へ >>"), QStringLiteral("閉じる")}));
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kConversation));
  EXPECT_EQ(g().TalkLineCount, Value(0));
  EXPECT_EQ(g().TalkLineIndex, Value(0));
  EXPECT_TRUE(main.Timer1->isActive());
  EXPECT_EQ(g().ResumeRequest, Value(1));
}

TEST_F(ConversationWindowTest, ThePresidentsMouthMovesWhileHeSpeaksAndTheNextTalkIsTheEditors) {
  // Loaded without its modal loop, so that only the test ticks it.
  auto speak = [](const char* line, int ticks) {
    AddTalkLine(line);
    auto* talk = platform::Forms().Load<Form21>(form::kConversation);
    std::vector<int> frames;
    if (!talk) return frames;
    talk->Timer1->stop();
    frames.push_back(talk->ShownFrame());
    for (int tick = 0; tick < ticks; ++tick) {
      talk->Timer1_Timer();
      frames.push_back(talk->ShownFrame());
    }
    talk->Command1->click();  // completes the line, if it still types
    talk->Timer1_Timer();
    talk->Command1->click();  // closes
    return frames;
  };
  g().TalkSpeaker = 1;
  g().TalkMouth = 0;
  // No portrait before the first tick; open and closed in turn while typing, then closed.
  EXPECT_EQ(speak("ab", 5), (std::vector<int>{0, 3, 4, 3, 3, 3}));
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kConversation));
  EXPECT_EQ(g().TalkSpeaker, Value(0));
  std::vector<int> editor = speak("次は担当です。", 2);
  EXPECT_LE(editor[1], 2);
  EXPECT_LE(editor[2], 2);
  EXPECT_NE(editor[1], editor[2]);
}

TEST_F(ConversationWindowTest, ItsPortraitsAreStoredWithIt) {
  AddTalkLine("…");
  auto* talk = platform::Forms().Load<Form21>(form::kConversation);
  ASSERT_NE(talk, nullptr);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(talk->Frames[static_cast<size_t>(i)].size(), QSize(61, 61)) << i;
  EXPECT_EQ(talk->Picture1->pixmap().size(), QSize(125, 73));
  talk->Timer1_Timer();
  EXPECT_EQ(talk->Image1[0]->pixmap().toImage(), talk->Frames[1].toImage());
  platform::Forms().Unload(form::kConversation);
}

TEST_F(ConversationWindowTest, ShownWithNoLinesItClosesAtOnce) {
  ModalScript script;  // fails the test if a window stays open
  g().TalkLineIndex = 5;
  ui::ShowTalk("報告");
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kConversation));
  EXPECT_EQ(g().TalkLineIndex, Value(0));
  EXPECT_TRUE(main.Timer1->isActive());
}

// Not a test: the warning of low stamina over a game, for the documentation
// (conversation).
TEST_F(ConversationWindowTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"conversation"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::StartSceneGame(main, "漫画太郎");
  g().Stamina = 4.8;
  g().FormSlot[form::kInfoPanel].Redraw = 1;
  shot.TakeOverModal(
      form::kConversation, main,
      [](Form& form) { static_cast<Form21&>(form).Command1->click(); },  // the whole line at once
      [] { LowStaminaCheck(); });
}

}  // namespace
}  // namespace koratsu
