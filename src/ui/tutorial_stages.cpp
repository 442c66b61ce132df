#include "ui/tutorial_stages.h"

#include "state/game_state.h"
#include "ui/talk.h"

namespace koratsu {

namespace {

// The stage whose window moves the tutorial on without asking the guide to
// load the (empty) lines of the last stage.
constexpr int kLastAdvance = tutorial_stage::kLast - 1;

// The first line of every stage begins with two blanks.
constexpr const char* kStage1[] = {"  新しくゲームを始めます。ゲームの中で使われる名前を決めてください。"};
constexpr const char* kStage2[] = {"  新しい漫画を描くために知識のﾎﾟｲﾝﾄをためます。",
                                   "メニューから「行動」-「ｱﾙﾊﾞｲﾄをする」を選択してください。"};
constexpr const char* kStage3[] = {"  自分のしたいアルバイトを選んで決定してください。"};
constexpr const char* kStage4[] = {
    "  ｱﾙﾊﾞｲﾄが終了すると知識のﾎﾟｲﾝﾄが溜まるので数回繰り返してください。",
    "ある程度ﾎﾟｲﾝﾄが溜まったらメニューから「新しく漫画を描く」を選んでください。"};
constexpr const char* kStage5[] = {"  今回は「オリジナルストーリー」を選んでください。"};
constexpr const char* kStage6[] = {"  使いたい設定を決めてから、使うﾎﾟｲﾝﾄを決めて決定してください。"};
constexpr const char* kStage7[] = {"  漫画を描くのに使う仕事ﾎﾟｲﾝﾄを設定します。ﾎﾟｲﾝﾄが多ければ早く完成します。"};
constexpr const char* kStage8[] = {"  時間を進めてください。",
                                   "しばらくすれば漫画が完成します。「漫画の完成度」で完成度を見ることができます。"};
constexpr const char* kStage9[] = {"  完成した漫画の名前をつけます。"};
constexpr const char* kStage10[] = {"  今回は「出版社に送る」を選択してください。"};
constexpr const char* kStage11[] = {"  送りたい出版社を選んで決定してください。"};

constexpr std::span<const char* const> kStageLines[] = {
    {}, kStage1, kStage2, kStage3, kStage4, kStage5, kStage6, kStage7, kStage8, kStage9, kStage10, kStage11, {},
};

}  // namespace

bool TutorialRunning() { return State().TutorialMode == 1; }

bool AdvanceTutorial(int from) {
  GameState& g = State();
  if (g.TutorialStage != from) return false;
  g.TutorialStage = from + 1;
  if (from != kLastAdvance) {
    g.TutorialStageLoaded = 0;
    g.TutorialLineCount = 0;
  }
  return true;
}

std::span<const char* const> TutorialStageLines(const Value& stage) {
  for (int s = 0; s <= tutorial_stage::kLast; ++s)
    if (stage == s) return kStageLines[s];
  return {};
}

void LoadTutorialStageLines() {
  GameState& g = State();
  g.TutorialLineCount = 0;
  g.TutorialLineIndex = 0;
  for (const char* line : TutorialStageLines(g.TutorialStage)) AddTutorialLine(line);
}

bool TutorialEndDue() {
  const GameState& g = State();
  return g.TutorialStage == tutorial_stage::kLast && g.TutorialMode == 1;
}

}  // namespace koratsu
