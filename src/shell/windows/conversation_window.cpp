#include "shell/windows/conversation_window.h"

#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/talk.h"

namespace koratsu {

namespace {

const QString kNext = QStringLiteral("次へ >>");
const QString kClose = QStringLiteral("閉じる");

Typing TalkTyping() {
  GameState& g = State();
  return {g.TalkText, g.TalkShownChars, g.TalkMouth};
}

}  // namespace

Form21::Form21()
    : BalloonForm({.removeCloseItem = true, .pauseClock = true, .resumeRequestOnUnload = true},
                  {.form = form::kConversation,
                   .clientWidth = 3255,
                   .clientHeight = 1785,
                   .portraitTop = 240,
                   .buttonTop = 1320,
                   .frameCount = 4,
                   .timerInterval = kTypingInterval}) {
  setWindowTitle(QStringLiteral("会話"));
}

void Form21::Form_Load() {
  // Shown with nothing to say, the window closes at once.
  long long count = TalkLinesInUse();
  if (count < 1) {
    Unload();
    return;
  }
  GameState& g = State();
  g.TalkLineIndex = 0;
  Command1->setText(count == 1 ? kClose : kNext);
  StartLine(TalkTyping(), g.TalkLines[g.TalkLineIndex]);
  Command1->setFocus();
  Timer1->start();
}

void Form21::Form_Unload() {
  BalloonForm::Form_Unload();
  CloseTalk();
}

void Form21::Timer1_Timer() {
  // Speaker 1 is the president; every other value shows the editor.
  int speaker = State().TalkSpeaker == 1 ? 1 : 0;
  Typing typing = TalkTyping();
  ShowFrame(2 * speaker + TypeTick(typing));
  ShowTyped(typing);
}

void Form21::Command1_Click() {
  GameState& g = State();
  switch (PressBalloon(TalkTyping(), g.TalkLines, g.TalkLineCount, g.TalkLineIndex)) {
    case BalloonPress::CompletedLine:
    case BalloonPress::TurnedPage:
      break;
    case BalloonPress::TurnedLastPage:
      Command1->setText(kClose);
      break;
    case BalloonPress::Finished:
      Unload();
      break;
  }
}

namespace {
const bool registered = platform::RegisterForm<Form21>(form::kConversation);
}  // namespace

}  // namespace koratsu
