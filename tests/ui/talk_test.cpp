#include "ui/talk.h"

#include <gtest/gtest.h>

#include "support/fresh_state.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

class TalkTest : public ::testing::Test {
 protected:
  GameState& g() { return state.g(); }
  testing::FreshState state;
};

TEST_F(TalkTest, EachListTakesLinesUpToItsCapacityAndDropsTheRest) {
  struct List {
    const char* name;
    void (*add)(const Value&);
    Value GameState::*count;
    Value (*line)(GameState&, int);
    int capacity;
  };
  const List lists[] = {
      {"talk", AddTalkLine, &GameState::TalkLineCount, [](GameState& s, int i) { return s.TalkLines[i]; }, 33},
      {"tutorial", AddTutorialLine, &GameState::TutorialLineCount,
       [](GameState& s, int i) { return s.TutorialLines[i]; }, 33},
      {"level-up", AddLevelUpLine, &GameState::LevelUpLineCount,
       [](GameState& s, int i) { return s.LevelUpLines[i]; }, 11},
  };
  for (const List& list : lists) {
    for (int i = 0; i <= list.capacity; ++i) list.add(Value(Join("行", i)));
    EXPECT_EQ(g().*list.count, Value(list.capacity)) << list.name;
    EXPECT_EQ(list.line(g(), 0), Value("行0")) << list.name;
    EXPECT_EQ(list.line(g(), list.capacity - 1), Value(Join("行", list.capacity - 1))) << list.name;
  }
}

TEST_F(TalkTest, ClosingEmptiesTheListAndGivesTheNextConversationToTheEditor) {
  AddTalkLine("一");
  AddTalkLine("二");
  g().TalkLineIndex = 1;
  g().TalkSpeaker = 1;
  CloseTalk();
  EXPECT_EQ(g().TalkLineCount, Value(0));
  EXPECT_EQ(g().TalkLineIndex, Value(0));
  EXPECT_EQ(g().TalkSpeaker, Value(0));
  AddTalkLine("三");
  EXPECT_EQ(g().TalkLines[0], Value("三"));
  EXPECT_EQ(TalkLinesInUse(), 1);
}

TEST_F(TalkTest, TheScriptedConversationClosesAsTheWindowDoes) {
  testing::ScriptedUi ui;
  g().TalkSpeaker = 1;
  AddTalkLine("ようこそ。");
  AddTalkLine("がんばってください。");
  ui::ShowTalk("出版社 社長");
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "出版社 社長");
  EXPECT_EQ(ui.Talk(0).lines, (std::vector<std::string>{"ようこそ。", "がんばってください。"}));
  EXPECT_EQ(g().TalkLineCount, Value(0));
  EXPECT_EQ(g().TalkSpeaker, Value(0));
}

TEST_F(TalkTest, ALineTypesOneCharacterPerTickWhileTheMouthMoves) {
  Value text, shown, mouth;
  Typing typing{text, shown, mouth};
  StartLine(typing, "あいう");
  EXPECT_EQ(LineLength(text), 3);
  std::vector<int> frames;
  std::vector<std::string> texts;
  for (int tick = 0; tick < 6; ++tick) {
    frames.push_back(TypeTick(typing));
    texts.push_back(ShownText(typing));
  }
  // The count runs to the length plus one: the mouth stops one tick after the last character.
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 1, 2, 1, 1}));
  EXPECT_EQ(texts, (std::vector<std::string>{"あ", "あい", "あいう", "あいう", "あいう", "あいう"}));
  EXPECT_FALSE(StillTyping(typing));

  // A counter that a saved game left at another value starts over, closed.
  StartLine(typing, "ab");
  mouth = 7;
  EXPECT_EQ(TypeTick(typing), 1);
  EXPECT_EQ(TypeTick(typing), 2);
}

TEST_F(TalkTest, APressCompletesATypingLineThenTurnsThePagesToTheLast) {
  AddTalkLine("一行目です。");
  AddTalkLine("二行目。");
  AddTalkLine("三");
  Typing typing{g().TalkText, g().TalkShownChars, g().TalkMouth};
  StartLine(typing, g().TalkLines[0]);
  auto press = [&] { return PressBalloon(typing, g().TalkLines, g().TalkLineCount, g().TalkLineIndex); };

  TypeTick(typing);
  EXPECT_EQ(press(), BalloonPress::CompletedLine);
  EXPECT_EQ(g().TalkLineIndex, Value(0));
  TypeTick(typing);
  EXPECT_EQ(ShownText(typing), "一行目です。");
  EXPECT_FALSE(StillTyping(typing));

  EXPECT_EQ(press(), BalloonPress::TurnedPage);
  EXPECT_EQ(g().TalkText, Value("二行目。"));
  EXPECT_EQ(g().TalkShownChars, Value(0));
  for (int tick = 0; tick < 5; ++tick) TypeTick(typing);
  EXPECT_EQ(press(), BalloonPress::TurnedLastPage);
  EXPECT_EQ(g().TalkLineIndex, Value(2));
  TypeTick(typing);
  TypeTick(typing);
  EXPECT_EQ(press(), BalloonPress::Finished);
  EXPECT_EQ(press(), BalloonPress::Finished);
  EXPECT_EQ(g().TalkLineIndex, Value(2));
}

TEST_F(TalkTest, AnEmptyListHasNothingToTurnTo) {
  Value text, shown = 5, mouth;
  Typing typing{text, shown, mouth};
  Value index = 0;
  EXPECT_EQ(PressBalloon(typing, g().TalkLines, Value(0), index), BalloonPress::Finished);
  EXPECT_EQ(index, Value(0));
}

}  // namespace
}  // namespace koratsu
